// A recovery file holds the tile set byte for byte as Save writes it, gives it back, and
// refuses, with a reason, a file that is cut short, damaged or not this editor's.
#include "document/recovery_file.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <functional>
#include <string>

#include "document/refused_error.h"
#include "document/tile_set_file.h"
#include "document/tile_set_test_helpers.h"
#include "support/test_files.h"

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

// Mends the last four bytes into the CRC-32 of the bytes before them.
void MendChecksum(Bytes& bytes) {
    const std::size_t end = bytes.size() - 4;
    PutLE32(bytes, end, static_cast<std::uint32_t>(crc32(0, bytes.data(), static_cast<uInt>(end))));
}

void Write(const std::string& path, const RecoveryNote& note, const TileSet& set, const TileGraphics& graphics) {
    WriteRecoveryFile(path, MakeRecoverySnapshot(path, note, set, graphics));
}

TEST(RecoveryFile, HoldsTheSetAsSaveWritesItAndGivesItBack) {
    TempDir dir;
    const TileSet set = PatternedTileSet(1201, 8);
    const TileGraphics graphics = PatternedGraphics(26);
    const RecoveryNote note = Note();
    Write(dir.File("kept.recovery"), note, set, graphics);
    WriteTileSet(dir.File("saved.tls"), set, graphics);
    const Bytes saved = ReadFileBytes(dir.File("saved.tls"));

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
    expected.resize(expected.size() + 4);
    MendChecksum(expected);
    EXPECT_EQ(ReadFileBytes(dir.File("kept.recovery")), expected);

    const RecoveredSet back = ReadRecoveryFile(dir.File("kept.recovery"));
    EXPECT_EQ(back.Note.KeptAt, note.KeptAt);
    EXPECT_EQ(back.Note.SheetPath, note.SheetPath);
    EXPECT_EQ(back.Note.OwnFile, note.OwnFile);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(back.Note.Palette[i].Green, note.Palette[i].Green);
    }
    EXPECT_TRUE(SameDocument(back.Document, set));
    EXPECT_EQ(back.Graphics.BMPTileCount, 26);
    EXPECT_EQ(back.Graphics.TilePlanes, graphics.TilePlanes);
}

TEST(RecoveryFile, RefusesWhatIsCutDamagedOrNotItsOwnWithAReason) {
    TempDir dir;
    const std::string path = dir.File("kept.recovery");
    RecoveryNote note = Note();
    note.OwnFile.clear();  // a new set
    Write(path, note, PatternedTileSet(13, 4), PatternedGraphics(13));
    const Bytes good = ReadFileBytes(path);
    ASSERT_NO_THROW(ReadRecoveryFile(path));

    // A new file each time: a file written over is flushed to disk first, which is slow.
    int written = 0;
    const auto refusal = [&dir, &written](const Bytes& bytes) -> std::string {
        const std::string file = dir.File(std::to_string(++written) + ".recovery");
        WriteFileBytes(file, bytes);
        try {
            ReadRecoveryFile(file);
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
        {"a later format", [](Bytes& b) {
             PutLE16(b, 16, 2);
             MendChecksum(b);
         }, "format 2, this editor reads format 1"},
        {"a byte more", [](Bytes& b) { b.push_back(0); }, "its header makes it"},
        {"a bit flipped in the planes", [](Bytes& b) { b[b.size() - 10] ^= 4; }, "checksum"},
        {"a tile count the editor cannot hold",
         [](Bytes& b) {
             PutLE16(b, tileSetAt, 1202);
             MendChecksum(b);
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
