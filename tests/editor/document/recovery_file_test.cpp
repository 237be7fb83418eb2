// A recovery file holds the tile set byte for byte as the file layout has it and the work kept
// beside it (the tiles done, the Try map, start and parameters), gives them back, reads the
// first format still, and refuses, with a reason, a file that is cut short, damaged or not
// this editor's.
#include "document/recovery_file.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "base/refused_error.h"
#include "document/tile_set_file.h"
#include "document/tile_set_test_helpers.h"
#include "support/tile_set_bytes.h"

namespace mosalind {
namespace {

using namespace dev_support;
using test_helpers::PatternedGraphics;
using test_helpers::PatternedTileSet;
using test_helpers::SameDocument;

RecoveryNote Note() {
    RecoveryNote note;
    note.KeptAt = 1765190000123;
    note.SheetPath = "/home/ann/art/tiles.bmp";
    note.OwnFile = "/home/ann/sets/level 1.tls";
    for (int i = 0; i < 16; ++i) {
        note.Palette[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(100 + i),
                           static_cast<std::uint8_t>(200 + i), 0};
    }
    return note;
}

void AppendText(Bytes& bytes, const std::string& text) {
    bytes.insert(bytes.end(), text.begin(), text.end());
}

// Mends the eight bytes before the last `after` into the CRC-32 of the bytes before the
// planes, then that of the `planes` bytes before the checksums.
void MendChecksums(Bytes& bytes, std::size_t planes, std::size_t after = 0) {
    const std::size_t end = bytes.size() - after - 8;
    const std::size_t planesAt = end - planes;
    PutLE32(bytes, end, static_cast<std::uint32_t>(crc32(0, bytes.data(), static_cast<uInt>(planesAt))));
    PutLE32(bytes, end + 4, static_cast<std::uint32_t>(crc32(0, bytes.data() + planesAt, static_cast<uInt>(planes))));
}

// Mends the last four bytes into the CRC-32 of the `work` bytes before them (K included).
void MendWorkChecksum(Bytes& bytes, std::size_t work) {
    const std::size_t end = bytes.size() - 4;
    PutLE32(bytes, end, static_cast<std::uint32_t>(crc32(0, bytes.data() + end - work, static_cast<uInt>(work))));
}

std::uint64_t DoubleBits(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// The work kept beside the set as the format lays it out: K, the done tiles' count and
// numbers, the map's columns and rows, the start, the eight parameters as doubles, the cells,
// then the CRC-32 of all before it.
Bytes WorkSection(const std::vector<int>& done, int columns, int rows, FigureStart start,
                  const std::vector<double>& parameters, const std::vector<int>& cells) {
    Bytes work;
    AppendLE32(work, static_cast<std::uint32_t>(82 + 2 * done.size() + 4 * cells.size()));
    AppendLE16(work, static_cast<std::uint32_t>(done.size()));
    for (const int tile : done) {
        AppendLE16(work, static_cast<std::uint32_t>(tile));
    }
    for (const int number : {columns, rows, start.Column, start.Row}) {
        AppendLE32(work, static_cast<std::uint32_t>(number));
    }
    for (const double parameter : parameters) {
        AppendLE32(work, static_cast<std::uint32_t>(DoubleBits(parameter) & 0xFFFFFFFF));
        AppendLE32(work, static_cast<std::uint32_t>(DoubleBits(parameter) >> 32));
    }
    for (const int cell : cells) {
        AppendLE32(work, static_cast<std::uint32_t>(cell));
    }
    work.resize(work.size() + 4);
    MendWorkChecksum(work, work.size() - 4);
    return work;
}

// Tiles 3, 40 and 1200 done; a map of 3 x 2 cells (a tile the set lacks and no tiles
// among them), started in its last cell, with parameters of their own.
RecoveryWork Work() {
    RecoveryWork work;
    for (const int tile : {3, 40, 1200}) {
        work.DoneBlank.set(static_cast<std::size_t>(tile));
    }
    work.Try.Map = TryMap::Empty(3, 2);
    work.Try.Map.Tiles = {17, -1, 4000, 0, 1200, -1};
    work.Try.Start = {2, 1};
    work.Try.Parameters = {0.5, 7, 2.5, 0.0625, 6, 0.25, 0.1, 0};
    return work;
}

void Write(const std::string& path, const RecoveryNote& note, const TileSet& set, const TileGraphics& graphics,
           const RecoveryWork& work = {}) {
    WriteRecoveryFile(path, MakeRecoverySnapshot(path, note, set, graphics, {}, work));
}

TEST(RecoveryFile, HoldsTheSetAsSaveWritesItAndGivesItBack) {
    TempDir dir;
    const TileSet set = PatternedTileSet(1201, 8);
    const TileGraphics graphics = PatternedGraphics(26);
    const RecoveryNote note = Note();
    // A second snapshot of the same sheet shares the first one's planes.
    const std::string path = dir.File("kept.recovery");
    RecoveryFileWriter writer(path);
    const RecoverySnapshot first = MakeRecoverySnapshot(path, RecoveryNote{}, PatternedTileSet(910, 4), graphics);
    writer.Write(first);
    const RecoverySnapshot second = MakeRecoverySnapshot(path, note, set, graphics, first.Planes, Work());
    EXPECT_EQ(second.Planes, first.Planes);
    writer.Write(second);
    // The set as the file layout has it: its header (all but the counts 0), the attribute
    // rows, the frames as cell x 32, then the planes.
    testing_support::TileSetContent content;
    content.TileCount = 1201;
    content.FrameCount = 8;
    content.Frames.assign(8, std::vector<int>(1201));
    for (int tile = 0; tile < 1201; ++tile) {
        for (int slot = 0; slot < kAttributeSlots; ++slot) {
            content.Attributes[slot].push_back(static_cast<std::uint8_t>(set.TileAttributes[slot][tile]));
        }
        for (int frame = 0; frame < 8; ++frame) {
            content.Frames[frame][tile] = set.TileFrames[frame][tile];
        }
    }
    content.Planes = graphics.TilePlanes;
    const Bytes saved = content.FileBytes();
    ASSERT_EQ(saved.size(), 62u + 5 * 1201 + 2 * 1201 * 8 + 128 * 26);

    Bytes expected;
    AppendText(expected, "Mosalind unsaved");
    AppendLE16(expected, 2);
    AppendLE32(expected, static_cast<std::uint32_t>(note.KeptAt & 0xFFFFFFFF));
    AppendLE32(expected, static_cast<std::uint32_t>(note.KeptAt >> 32));
    for (const BMPPaletteEntry& colour : note.Palette) {
        expected.insert(expected.end(), {colour.Red, colour.Green, colour.Blue});
    }
    AppendLE32(expected, 23);
    AppendLE32(expected, 26);
    AppendLE32(expected, static_cast<std::uint32_t>(saved.size()));
    AppendText(expected, note.SheetPath);
    AppendText(expected, note.OwnFile);
    expected.insert(expected.end(), saved.begin(), saved.end());
    expected.resize(expected.size() + 8);
    MendChecksums(expected, 26 * 128);
    const Bytes work =
        WorkSection({3, 40, 1200}, 3, 2, {2, 1}, {0.5, 7, 2.5, 0.0625, 6, 0.25, 0.1, 0}, {17, -1, 4000, 0, 1200, -1});
    ASSERT_EQ(work.size(), 4u + 82 + 3 * 2 + 6 * 4 + 4);
    expected.insert(expected.end(), work.begin(), work.end());
    EXPECT_EQ(ReadFileBytes(path), expected);

    const RecoveredSet back = ReadRecoveryFile(path);
    EXPECT_EQ(back.Note.KeptAt, note.KeptAt);
    EXPECT_EQ(back.Note.SheetPath, note.SheetPath);
    EXPECT_EQ(back.Note.OwnFile, note.OwnFile);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(back.Note.Palette[i].Green, note.Palette[i].Green);
    }
    EXPECT_TRUE(SameDocument(back.Document, set));
    EXPECT_EQ(back.PlaneCells, 26);
    EXPECT_EQ(back.DoneBlank, Work().DoneBlank);
    EXPECT_EQ(back.Try, Work().Try);
    const TileGraphics planes = ReadRecoveryPlanes(path);
    EXPECT_EQ(planes.BMPTileCount, 26);
    EXPECT_EQ(planes.TilePlanes, graphics.TilePlanes);

    // Kept before the work was: format 1 ends after the planes' checksum, and still reads.
    Bytes firstFormat(expected.begin(), expected.end() - static_cast<std::ptrdiff_t>(work.size()));
    PutLE16(firstFormat, 16, 1);
    MendChecksums(firstFormat, 26 * 128);
    WriteFileBytes(path, firstFormat);
    const RecoveredSet old = ReadRecoveryFile(path);
    EXPECT_TRUE(SameDocument(old.Document, set));
    EXPECT_TRUE(old.DoneBlank.none());
    EXPECT_FALSE(old.Try.has_value());
    EXPECT_EQ(ReadRecoveryPlanes(path).TilePlanes, graphics.TilePlanes);
}

TEST(RecoveryFile, RefusesWhatIsCutDamagedOrNotItsOwnWithAReason) {
    TempDir dir;
    const std::string path = dir.File("kept.recovery");
    RecoveryNote note = Note();
    note.OwnFile.clear();  // a new set
    // Tiles 1 and 5 done, a map of 2 x 1 cells: K = 82 + 2 x 2 + 2 x 4 = 94 bytes of work
    // from W + 4, after K at W, followed by its checksum.
    RecoveryWork work;
    work.DoneBlank.set(1);
    work.DoneBlank.set(5);
    work.Try.Map = TryMap::Empty(2, 1);
    work.Try.Start = {1, 0};
    Write(path, note, PatternedTileSet(13, 4), PatternedGraphics(13), work);
    const Bytes good = ReadFileBytes(path);
    constexpr std::size_t kWork = 4 + 94 + 4;
    const auto at = [](const Bytes& b, std::size_t offset) { return b.size() - kWork + offset; };
    ASSERT_NO_THROW(ReadRecoveryFile(path));
    ASSERT_NO_THROW(ReadRecoveryPlanes(path));

    // A new file each time: a file written over is flushed to disk first, which is slow.
    int written = 0;
    const auto refusal = [&dir, &written](const Bytes& bytes) -> std::string {
        const std::string file = dir.File(std::to_string(++written) + ".recovery");
        WriteFileBytes(file, bytes);
        try {
            ReadRecoveryFile(file);
            ReadRecoveryPlanes(file);
        } catch (const RefusedError& error) {
            return error.what();
        }
        return "(read)";
    };
    // Every file cut short, as a full disk or a lost write could leave it.
    for (std::size_t length = 0; length < good.size(); ++length) {
        const std::string why = refusal(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length)));
        ASSERT_NE(why, "(read)") << "cut at " << length;
    }

    struct Case {
        const char* Why;
        std::function<void(Bytes&)> Change;
        const char* Reason;
    };
    const std::size_t tileSetAt = 86 + 23;
    const Case cases[] = {
        {"another program's file", [](Bytes& b) { b[0] = 'X'; }, "is not a recovery file of this editor"},
        {"a later format",
         [](Bytes& b) {
             PutLE16(b, 16, 3);
             MendChecksums(b, 13 * 128, kWork);
         },
         "format 3, this editor reads formats 1 to 2"},
        {"the first format with work after it",
         [](Bytes& b) {
             PutLE16(b, 16, 1);
             MendChecksums(b, 13 * 128, kWork);
         },
         "its header makes it"},
        {"a byte more", [](Bytes& b) { b.push_back(0); }, "its header makes it"},
        {"a bit flipped in the tile set", [](Bytes& b) { b[tileSetAt + 70] ^= 4; }, "its checksum does not match"},
        {"a bit flipped in the planes", [](Bytes& b) { b[b.size() - kWork - 10] ^= 4; }, "the checksum of its planes"},
        {"a tile count the editor cannot hold",
         [](Bytes& b) {
             PutLE16(b, tileSetAt, 1202);
             MendChecksums(b, 13 * 128, kWork);
         },
         "tile count 1202 is outside 1 to 1201"},
        {"a bit flipped in the kept work", [&at](Bytes& b) { b[at(b, 12)] ^= 1; }, "the checksum of its kept work"},
        {"K beyond the file's end", [&at](Bytes& b) { PutLE32(b, at(b, 0), 95); }, "its header makes it"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Why);
        Bytes bytes = good;
        c.Change(bytes);
        const std::string why = refusal(bytes);
        EXPECT_EQ(why.rfind(dir.File(std::to_string(written)), 0), 0u) << why;  // names the file first
        EXPECT_NE(why.find(c.Reason), std::string::npos) << why;
        EXPECT_EQ(why.find('\n'), std::string::npos);
    }

    // The work itself, its checksum mended: each change below breaks one of its rules.
    struct WorkCase {
        const char* Why;
        std::size_t Offset;  // from W
        int Bytes;           // 2, 4 or 8
        std::uint64_t Value;
        const char* Reason;
    };
    const WorkCase workCases[] = {
        {"done tiles out of order", 8, 2, 1, "names tile 1 as done"},
        {"a done tile the set lacks (13 tiles)", 8, 2, 13, "names tile 13 as done"},
        {"more done tiles than K holds", 4, 2, 7, "too short for its 7 tiles done"},
        {"a map of no columns", 10, 4, 0, "has a Try map of 0 x 1 cells"},
        {"a map larger than its cells", 10, 4, 3, "its Try map makes it 98"},
        {"the start outside the map", 18, 4, 2, "starts the figure in cell 2, 0"},
        {"gravity beyond 16", 26, 8, DoubleBits(17), "motion parameters"},
        {"an icy friction that is no number", 26 + 7 * 8, 8, 0x7FF8000000000000u, "motion parameters"},
        {"a cell below -1", 90, 4, 0xFFFFFFFEu, "holds tile -2 in its Try map"},
    };
    for (const WorkCase& c : workCases) {
        SCOPED_TRACE(c.Why);
        Bytes bytes = good;
        for (int i = 0; i < c.Bytes; ++i) {
            bytes[at(bytes, c.Offset) + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(c.Value >> (8 * i));
        }
        MendWorkChecksum(bytes, 4 + 94);
        const std::string why = refusal(bytes);
        EXPECT_NE(why.find(c.Reason), std::string::npos) << why;
        EXPECT_EQ(why.find('\n'), std::string::npos);
    }

    // Planes that are not whole rows of 13 cells are no sheet the editor cut.
    Write(path, note, PatternedTileSet(13, 4), PatternedGraphics(12));
    EXPECT_THROW(ReadRecoveryFile(path), RefusedError);
}

}  // namespace
}  // namespace mosalind
