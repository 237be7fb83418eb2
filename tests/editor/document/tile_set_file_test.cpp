#include "document/tile_set_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/refused_error.h"
#include "document/new_tile_set.h"
#include "document/tile_set_test_helpers.h"
#include "support/test_files.h"

namespace mosalind {
namespace {

using namespace dev_support;
using test_helpers::PatternedGraphics;
using test_helpers::PatternedTileSet;
using test_helpers::SameDocument;

// A tile set file put together byte by byte: header, attribute rows, frame rows (values
// as stored), and `extra` bytes after them.
Bytes HandMadeFile(int tiles, int frames, const std::vector<std::uint8_t>& attributes,
                   const std::vector<std::int16_t>& storedFrames, std::size_t extra = 0) {
    Bytes bytes(62, 0);
    PutLE16(bytes, 0, static_cast<std::uint16_t>(tiles));
    PutLE16(bytes, 2, static_cast<std::uint16_t>(frames));
    PutLE16(bytes, 4, 0x1234);
    PutLE32(bytes, 6, 1);
    PutLE32(bytes, 10, 0xDEADBEEF);
    PutLE32(bytes, 14, 7);
    for (int i = 18; i < 62; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 3);
    }
    bytes.insert(bytes.end(), attributes.begin(), attributes.end());
    for (std::int16_t value : storedFrames) {
        bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>((static_cast<std::uint16_t>(value) >> 8) & 0xFF));
    }
    for (std::size_t i = 0; i < extra; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(i));
    }
    return bytes;
}

TEST(TileSetFile, NewSetOf910TilesHasTheDocumentedHeaderSectionsAndLength) {
    TempDir dir;
    TileSet set;
    FillNewTileSet(set, 910, 4, 208, 1120);
    set.TileAttributes[0][0] = 2;
    set.TileAttributes[0][28] = 255;
    set.TileAttributes[4][909] = 0x8F;
    set.TileFrames[0][5] = 5;
    set.TileFrames[3][909] = 1023;
    const TileGraphics graphics = PatternedGraphics(910);

    WriteTileSet(dir.File("set.tls"), set, graphics);
    const Bytes bytes = ReadFileBytes(dir.File("set.tls"));

    ASSERT_EQ(bytes.size(), 128372u);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 10),
              (Bytes{0x8E, 0x03, 0x04, 0x00, 0xC0, 0x71, 0x40, 0x00, 0x00, 0x00}));
    EXPECT_EQ(GetLE32(bytes, 10), 4614u);
    EXPECT_EQ(GetLE32(bytes, 14), 11894u);
    EXPECT_EQ(Bytes(bytes.begin() + 18, bytes.begin() + 62), Bytes(44, 0));
    EXPECT_EQ(bytes[62], 2);
    EXPECT_EQ(bytes[62 + 28], 255);
    EXPECT_EQ(bytes[62 + 4 * 910 + 909], 0x8F);
    EXPECT_EQ(bytes[4611], 0x8F);
    // Cell 5 is stored as 160; the frame section starts at 4612, the planes at 11892.
    EXPECT_EQ(bytes[4612 + 10], 0xA0);
    EXPECT_EQ(bytes[4612 + 11], 0x00);
    EXPECT_EQ(GetLE16(bytes, 4612 + 2 * 1), 32u);
    EXPECT_EQ(GetLE16(bytes, 11892 - 2), 1023u * 32);
    EXPECT_EQ(Bytes(bytes.begin() + 11892, bytes.end()), graphics.TilePlanes);
}

TEST(TileSetFile, FrameSectionRunsFrameByFrameThenTileByTile) {
    TempDir dir;
    TileSet set = PatternedTileSet(3, 8);
    for (int frame = 0; frame < 8; ++frame) {
        for (int tile = 0; tile < 3; ++tile) {
            set.TileFrames[frame][tile] = static_cast<std::int16_t>(frame * 3 + tile);
        }
    }
    WriteTileSet(dir.File("f.tls"), set, TileGraphics{});
    const Bytes bytes = ReadFileBytes(dir.File("f.tls"));

    ASSERT_EQ(bytes.size(), 62u + 15 + 48);
    for (int entry = 0; entry < 24; ++entry) {
        EXPECT_EQ(GetLE16(bytes, 62 + 15 + 2 * entry), entry * 32u) << "entry " << entry;
    }
}

TEST(TileSetFile, FileWithoutCellsEndsAfterFramesAndReadsBackEveryEntry) {
    TempDir dir;
    TileSet saved;
    FillNewTileSet(saved, 1201, 8, 208, 16);
    const TileSet patterned = PatternedTileSet(1201, 8);
    saved.TileAttributes = patterned.TileAttributes;
    saved.TileFrames = patterned.TileFrames;
    saved.TileFrames[7][1200] = -1024;
    saved.TileFrames[6][1200] = 1023;
    WriteTileSet(dir.File("m0.tls"), saved, TileGraphics{});

    const Bytes bytes = ReadFileBytes(dir.File("m0.tls"));
    EXPECT_EQ(static_cast<std::int64_t>(bytes.size()), saved.Header.PlanesOffset - 2);
    const TileSet opened = ReadTileSet(dir.File("m0.tls"), TileSet{});
    EXPECT_TRUE(SameDocument(opened, saved));
}

TEST(TileSetFile, ReaderTakesSectionsInOrderAndDividesFrameValuesTowardZero) {
    TempDir dir;
    const std::vector<std::uint8_t> attributes = {0, 255, 1, 2, 3, 4, 5, 6, 7, 8};  // 2 tiles
    const std::vector<std::int16_t> frames = {40, -40, 31, -31, 32767, -32768};     // 3 frames
    WriteFileBytes(dir.File("r.tls"), HandMadeFile(2, 3, attributes, frames, 5));
    TileSet current;
    current.TileAttributes[0][2] = 77;  // beyond the file's tiles
    current.TileFrames[3][0] = 66;      // beyond the file's frames

    const TileSet opened = ReadTileSet(dir.File("r.tls"), current);

    EXPECT_EQ(opened.Header.TileCount, 2);
    EXPECT_EQ(opened.Header.FrameCount, 3);
    EXPECT_EQ(opened.Header.PlaneSize, 0x1234);
    EXPECT_EQ(opened.Header.AttributeOffset, 1);
    EXPECT_EQ(opened.Header.FrameOffset, static_cast<std::int32_t>(0xDEADBEEF));
    EXPECT_EQ(opened.Header.PlanesOffset, 7);
    for (int i = 0; i < 44; ++i) {
        EXPECT_EQ(opened.Header.Reserved[i], static_cast<std::uint8_t>((18 + i) * 3));
    }
    EXPECT_EQ(opened.TileAttributes[0][1], 255);
    EXPECT_EQ(opened.TileAttributes[4][0], 7);
    EXPECT_EQ(opened.TileAttributes[4][1], 8);
    EXPECT_EQ(opened.TileFrames[0][0], 1);
    EXPECT_EQ(opened.TileFrames[0][1], -1);
    EXPECT_EQ(opened.TileFrames[1][0], 0);
    EXPECT_EQ(opened.TileFrames[1][1], 0);
    EXPECT_EQ(opened.TileFrames[2][0], 1023);
    EXPECT_EQ(opened.TileFrames[2][1], -1024);
    EXPECT_EQ(opened.TileAttributes[0][2], 77);
    EXPECT_EQ(opened.TileFrames[3][0], 66);
}

TEST(TileSetFile, OpenThenSaveWritesTheSameBytes) {
    TempDir dir;
    std::vector<std::uint8_t> attributes(5 * 20);
    std::vector<std::int16_t> frames(20 * 4);
    for (std::size_t i = 0; i < attributes.size(); ++i) {
        attributes[i] = static_cast<std::uint8_t>(i * 37);
    }
    for (std::size_t i = 0; i < frames.size(); ++i) {
        frames[i] = static_cast<std::int16_t>((static_cast<int>(i) * 53 % 2048 - 1024) * 32);
    }
    const TileGraphics graphics = PatternedGraphics(26);
    Bytes original = HandMadeFile(20, 4, attributes, frames);
    original.insert(original.end(), graphics.TilePlanes.begin(), graphics.TilePlanes.end());
    WriteFileBytes(dir.File("a.tls"), original);

    const TileSet opened = ReadTileSet(dir.File("a.tls"), TileSet{});
    WriteTileSet(dir.File("b.tls"), opened, graphics);
    EXPECT_EQ(ReadFileBytes(dir.File("b.tls")), original);
    WriteTileSet(dir.File("b.tls"), opened, graphics);
    EXPECT_EQ(ReadFileBytes(dir.File("b.tls")), original);
}

TEST(TileSetFile, SavingOverALongerFileLeavesExactlyTheNewLength) {
    TempDir dir;
    WriteFileBytes(dir.File("s.tls"), Bytes(50000, 0xEE));
    const TileSet set = PatternedTileSet(10, 4);
    WriteTileSet(dir.File("s.tls"), set, PatternedGraphics(13));
    EXPECT_EQ(ReadFileBytes(dir.File("s.tls")).size(), 62u + 50 + 80 + 128 * 13);
}

// Counts the tables cannot hold, files cut short, what cannot be opened: refused, naming the
// file and why, the document left as it was.
TEST(TileSetFile, ReaderRefusesCountsTheTablesCannotHoldAndFilesCutShort) {
    TempDir dir;
    const TileSet current = PatternedTileSet(5, 4);
    const Bytes full = HandMadeFile(10, 4, std::vector<std::uint8_t>(50, 1), std::vector<std::int16_t>(40, 32));
    ASSERT_EQ(full.size(), 192u);
    WriteFileBytes(dir.File("whole.tls"), full);
    EXPECT_NO_THROW(ReadTileSet(dir.File("whole.tls"), current));
    const auto cut = [&full](std::ptrdiff_t length) { return Bytes(full.begin(), full.begin() + length); };
    // Long enough for any of these headers, so only the counts are wrong.
    const auto counts = [](int tiles, int frames) { return HandMadeFile(tiles, frames, {}, {}, 40000); };
    const std::pair<Bytes, const char*> cases[] = {
        {counts(0, 4), "tile count 0 is outside 1 to 1201"},
        {counts(1202, 4), "tile count 1202"},
        {counts(-3, 4), "tile count -3"},
        {counts(5, 0), "frame count 0 is outside 1 to 8"},
        {counts(5, 9), "frame count 9"},
        {cut(191), "ends at byte 191, but its frame section should end at byte 192"},
        {cut(100), "ends at byte 100, but its frame section should end at byte 192"},
        {cut(61), "ends at byte 61, but its header should end at byte 62"},
        {cut(0), "ends at byte 0"},
    };
    const std::string path = dir.File("bad.tls");
    for (const auto& [bytes, says] : cases) {
        WriteFileBytes(path, bytes);
        TileSet document = current;
        try {
            document = ReadTileSet(path, document);
            ADD_FAILURE() << "accepted: " << says;
        } catch (const RefusedError& error) {
            EXPECT_NE(std::string(error.what()).find(says), std::string::npos) << error.what();
            EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
        }
        EXPECT_TRUE(SameDocument(document, current));
    }
    EXPECT_THAT(
        [&] { ReadTileSet(dir.File("missing.tls"), TileSet{}); },
        testing::ThrowsMessage<RefusedError>("Cannot open " + dir.File("missing.tls") + ": No such file or directory"));
    EXPECT_THROW(ReadTileSet(dir.Path().string(), TileSet{}), RefusedError);
}

}  // namespace
}  // namespace mosalind
