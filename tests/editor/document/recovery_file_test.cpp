// A recovery file holds the tile set byte for byte as the file layout has it, gives it back, and
// refuses, with a reason, a file that is cut short, damaged or not this editor's.
#include "document/recovery_file.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <functional>
#include <string>

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

// Mends the last eight bytes into the CRC-32 of the bytes before the planes, then that of
// the `planes` bytes before the checksums.
void MendChecksums(Bytes& bytes, std::size_t planes) {
    const std::size_t end = bytes.size() - 8;
    const std::size_t planesAt = end - planes;
    PutLE32(bytes, end, static_cast<std::uint32_t>(crc32(0, bytes.data(), static_cast<uInt>(planesAt))));
    PutLE32(bytes, end + 4, static_cast<std::uint32_t>(crc32(0, bytes.data() + planesAt, static_cast<uInt>(planes))));
}

void Write(const std::string& path, const RecoveryNote& note, const TileSet& set, const TileGraphics& graphics) {
    WriteRecoveryFile(path, MakeRecoverySnapshot(path, note, set, graphics));
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
    const RecoverySnapshot second = MakeRecoverySnapshot(path, note, set, graphics, first.Planes);
    EXPECT_EQ(second.Planes, first.Planes);
    writer.Write(second);
    // The set as the file layout has it: its header (all but the counts 0), the attribute
    // rows, the frames as cell x 32, then the planes.
    testing_support::TileSetContent content;
    content.TileCount = 1201;
    content.FrameCount = 8;
    for (int slot = 0; slot < kAttributeSlots; ++slot) {
        for (int tile = 0; tile < 1201; ++tile) {
            content.Attributes[slot].push_back(static_cast<std::uint8_t>(set.TileAttributes[slot][tile]));
        }
    }
    content.Frames.assign(8, std::vector<int>(1201));
    for (int frame = 0; frame < 8; ++frame) {
        for (int tile = 0; tile < 1201; ++tile) {
            content.Frames[frame][tile] = set.TileFrames[frame][tile];
        }
    }
    content.Planes = graphics.TilePlanes;
    const Bytes saved = content.FileBytes();
    ASSERT_EQ(saved.size(), 62u + 5 * 1201 + 2 * 1201 * 8 + 128 * 26);

    Bytes expected;
    AppendText(expected, "Mosalind unsaved");
    AppendLE16(expected, 1);
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
    const TileGraphics planes = ReadRecoveryPlanes(path);
    EXPECT_EQ(planes.BMPTileCount, 26);
    EXPECT_EQ(planes.TilePlanes, graphics.TilePlanes);
}

TEST(RecoveryFile, RefusesWhatIsCutDamagedOrNotItsOwnWithAReason) {
    TempDir dir;
    const std::string path = dir.File("kept.recovery");
    RecoveryNote note = Note();
    note.OwnFile.clear();  // a new set
    Write(path, note, PatternedTileSet(13, 4), PatternedGraphics(13));
    const Bytes good = ReadFileBytes(path);
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
             PutLE16(b, 16, 2);
             MendChecksums(b, 13 * 128);
         },
         "format 2, this editor reads format 1"},
        {"a byte more", [](Bytes& b) { b.push_back(0); }, "its header makes it"},
        {"a bit flipped in the tile set", [](Bytes& b) { b[tileSetAt + 70] ^= 4; }, "its checksum does not match"},
        {"a bit flipped in the planes", [](Bytes& b) { b[b.size() - 10] ^= 4; }, "the checksum of its planes"},
        {"a tile count the editor cannot hold",
         [](Bytes& b) {
             PutLE16(b, tileSetAt, 1202);
             MendChecksums(b, 13 * 128);
         },
         "tile count 1202 is outside 1 to 1201"},
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

    // Planes that are not whole rows of 13 cells are no sheet the editor cut.
    Write(path, note, PatternedTileSet(13, 4), PatternedGraphics(12));
    EXPECT_THROW(ReadRecoveryFile(path), RefusedError);
}

}  // namespace
}  // namespace mosalind
