// A tile set written as text and read back is the same file, byte for byte, whatever it
// holds: the samples, and foreign files with odd headers, reserved bytes, types the list has
// no row for, side words no slope decodes to and frame values that are not cells x 32.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>
#include <sstream>
#include <string>

#include "document/tile_set_file.h"
#include "tile_set_json.h"
#include "tlstool_run.h"

namespace tlstool_test {
namespace {

struct RoundTripCase {
    const char* Name;
    Bytes Set;
    Bytes Sheet;
    std::string ExpectedJson;  // "" when only the round trip is checked
    // What import says of frames showing cells the sheet lacks (each line with "%" for
    // the text's path), or nothing when only the lines' form is checked.
    std::optional<std::string> ExpectedWarnings;
};

// The issue's own example line, then a tile of everything the readable fields do not say.
RoundTripCase TwoTileCase() {
    const TestSheet sheet = MakeSheet(1);
    RawTileSet set = PlainTileSet(2, 4, 13);
    set.Reserved[0] = 0xAB;
    set.Reserved[43] = 0x01;
    // Tile 0: "Door 1", top blocking 1 with the slope from level 0 to 4 (bit 7, kind 0,
    // start 0), left blocking 2.
    set.Attributes[0] = {2, 77};
    set.Attributes[1] = {129, 15};  // tile 1: blocking 3 and bits 2-3 without bit 7
    set.Attributes[2] = {0, 176};   // bit 7 with slope kind 3, which has no level pair
    set.Attributes[3] = {0, 204};   // bit 7, kind 4 (rising 4 levels), start 3: levels 4 to 0
    set.Attributes[4] = {2, 255};   // kind 7 and blocking 3
    set.StoredFrames = {{26 * 32, 40}, {169 * 32, -40}, {26 * 32, 0}, {26 * 32, 32767}};
    set.Planes = sheet.Planes;
    const std::string reserved = "ab" + std::string(84, '0') + "01";
    const std::string json =
        "{\n"
        "  \"format\": \"mosalind-tile-set\",\n"
        "  \"version\": 1,\n"
        "  \"frame_count\": 4,\n"
        "  \"header\": { \"plane_size\": 416, \"attribute_offset\": 64, \"frame_offset\": 74, \"planes_offset\": 90, "
        "\"reserved\": \"" +
        reserved +
        "\" },\n"
        "  \"tiles\": [\n"
        "    { \"type\": \"Door 1\", \"top\": { \"blocking\": 1, \"slope\": [0, 4] }, \"right\": { \"blocking\": 0 }, "
        "\"bottom\": { \"blocking\": 0 }, \"left\": { \"blocking\": 2 }, \"frames\": [26, 169, 26, 26] },\n"
        "    { \"type\": 77, \"top\": { \"blocking\": 3, \"bits\": 12 }, \"right\": { \"blocking\": 0, \"bits\": 176 "
        "}, "
        "\"bottom\": { \"blocking\": 0, \"slope\": [4, 0] }, \"left\": { \"blocking\": 3, \"bits\": 252 }, "
        "\"frames\": [1, -1, 0, 1023], \"frame_values\": [40, -40, 0, 32767] }\n"
        "  ]\n"
        "}\n";
    // The sheet has 13 cells: such frames are kept, and named with the text's own places.
    const std::string warnings =
        "tlstool: warning: %: tiles[0].frames[0], [1], [2] and [3] show cells 26, 169, 26 and 26, which are not among "
        "the sheet's 13 cells\n"
        "tlstool: warning: %: tiles[1].frames[1] and [3] show cells -1 and 1023, which are not among the sheet's 13 "
        "cells\n";
    return {"two tiles in the documented form", set.FileBytes(), sheet.Bmp, json, warnings};
}

// Header fields nothing computes, reserved bytes, 3 frames, every type from 100 to 255 and
// every side word, frame values of every remainder.
RoundTripCase ForeignCase() {
    const TestSheet sheet = MakeSheet(3);
    RawTileSet set = PlainTileSet(156, 3, 39);
    set.PlaneSize = -7;
    set.AttributeOffset = 1;
    set.FrameOffset = -2;
    set.PlanesOffset = 123456789;
    for (int i = 0; i < 44; ++i) {
        set.Reserved[i] = static_cast<std::uint8_t>(255 - 5 * i);
    }
    for (int tile = 0; tile < 156; ++tile) {
        set.Attributes[0][tile] = static_cast<std::uint8_t>(100 + tile);
        for (int side = 1; side < 5; ++side) {
            set.Attributes[side][tile] = static_cast<std::uint8_t>((tile * 7 + side * 64) & 255);
        }
    }
    const int oddValues[] = {40, -40, 31, -1, -32768, 32767, 33, -31, 1000};
    for (int frame = 0; frame < 3; ++frame) {
        for (int tile = 0; tile < 156; ++tile) {
            set.StoredFrames[frame][tile] = oddValues[(tile + frame) % 9];
        }
    }
    set.Planes = sheet.Planes;
    return {"a foreign file", set.FileBytes(), sheet.Bmp, "", std::nullopt};
}

class TlstoolRoundTrip : public TlstoolProgram {};

TEST_F(TlstoolRoundTrip, ExportThenImportGivesTheSameFile) {
    std::vector<RoundTripCase> cases = {TwoTileCase(), ForeignCase()};
    cases.push_back({"the sample set on the sample sheet",
                     dev_support::ReadFileBytes(MOSALIND_SAMPLES_DIR "/tiles.tls"),
                     dev_support::ReadFileBytes(MOSALIND_SAMPLES_DIR "/tiles.bmp"), "", ""});
    for (const RoundTripCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string set = Write("set.tls", c.Set);
        const std::string sheet = Write("sheet.bmp", c.Sheet);

        const testing_support::ProgramResult exported = Run({"export", set});
        ASSERT_EQ(exported.ExitStatus, 0) << exported.Err;
        EXPECT_EQ(exported.Err, "");
        if (!c.ExpectedJson.empty()) {
            EXPECT_EQ(exported.Out, c.ExpectedJson);
        }
        // -o writes what standard output shows.
        ASSERT_EQ(Run({"export", set, "-o", File("set.json")}).ExitStatus, 0);
        EXPECT_EQ(dev_support::ReadFileText(File("set.json")), exported.Out);

        const testing_support::ProgramResult imported =
            Run({"import", File("set.json"), "--sheet", sheet, "-o", File("again.tls")});
        ASSERT_EQ(imported.ExitStatus, 0) << imported.Err;
        EXPECT_EQ(imported.Out, "");
        if (c.ExpectedWarnings) {
            std::string expected = *c.ExpectedWarnings;
            for (std::size_t at = expected.find('%'); at != std::string::npos; at = expected.find('%', at)) {
                expected.replace(at, 1, File("set.json"));
            }
            EXPECT_EQ(imported.Err, expected);
        } else {
            std::istringstream lines(imported.Err);
            for (std::string line; std::getline(lines, line);) {
                EXPECT_EQ(line.rfind("tlstool: warning: " + File("set.json") + ": tiles[", 0), 0u) << line;
            }
        }
        // The warnings change nothing: the file comes back byte for byte.
        EXPECT_EQ(dev_support::ReadFileBytes(File("again.tls")), c.Set);
    }
}

// Any document, written as text and read back, says the same header, attributes and stored
// frame values; the text read back and written again is the same text.
TEST(TlstoolJson, AnyTileSetReadsBackFromItsText) {
    std::mt19937 random(17);
    const auto pick = [&](int lowest, int highest) {
        return std::uniform_int_distribution<int>(lowest, highest)(random);
    };
    for (int round = 0; round < 300; ++round) {
        mosalind::TileSet set;
        mosalind::StoredFrameValues stored{};
        mosalind::TileSetHeader& header = set.Header;
        header.TileCount = static_cast<std::int16_t>(round == 0 ? mosalind::kMaxTiles : pick(1, 40));
        header.FrameCount = static_cast<std::int16_t>(pick(1, 8));
        header.PlaneSize = static_cast<std::int16_t>(pick(-32768, 32767));
        header.AttributeOffset = pick(INT32_MIN, INT32_MAX);
        header.FrameOffset = pick(INT32_MIN, INT32_MAX);
        header.PlanesOffset = pick(INT32_MIN, INT32_MAX);
        for (auto& byte : header.Reserved) {
            byte = static_cast<std::uint8_t>(pick(0, 255));
        }
        for (auto& slot : set.TileAttributes) {
            for (int tile = 0; tile < header.TileCount; ++tile) {
                slot[tile] = static_cast<std::int16_t>(pick(0, 255));
            }
        }
        for (int frame = 0; frame < header.FrameCount; ++frame) {
            for (int tile = 0; tile < header.TileCount; ++tile) {
                // Mostly whole cells, as the editor writes them.
                const int value = pick(0, 3) == 0 ? pick(-32768, 32767) : 32 * pick(-1024, 1023);
                stored[frame][tile] = static_cast<std::int16_t>(value);
                set.TileFrames[frame][tile] = static_cast<std::int16_t>(value / 32);  // truncated toward zero
            }
        }

        const std::string text = tlstool::TileSetToJson(set, stored);
        const tlstool::JsonTileSet back = tlstool::TileSetFromJson(text, "set.json");
        ASSERT_TRUE(back.HasHeader);
        const mosalind::TileSetHeader& got = back.Document.Header;
        ASSERT_EQ(got.TileCount, header.TileCount);
        ASSERT_EQ(got.FrameCount, header.FrameCount);
        EXPECT_EQ(got.PlaneSize, header.PlaneSize);
        EXPECT_EQ(got.AttributeOffset, header.AttributeOffset);
        EXPECT_EQ(got.FrameOffset, header.FrameOffset);
        EXPECT_EQ(got.PlanesOffset, header.PlanesOffset);
        EXPECT_EQ(got.Reserved, header.Reserved);
        for (int tile = 0; tile < header.TileCount; ++tile) {
            for (int slot = 0; slot < 5; ++slot) {
                ASSERT_EQ(back.Document.TileAttributes[slot][tile], set.TileAttributes[slot][tile])
                    << "round " << round << ", tile " << tile << ", slot " << slot;
            }
            for (int frame = 0; frame < header.FrameCount; ++frame) {
                ASSERT_EQ(back.StoredFrames[frame][tile], stored[frame][tile]);
                ASSERT_EQ(back.Document.TileFrames[frame][tile], set.TileFrames[frame][tile]);
            }
        }
        ASSERT_EQ(tlstool::TileSetToJson(back.Document, back.StoredFrames), text);
    }
}

}  // namespace
}  // namespace tlstool_test
