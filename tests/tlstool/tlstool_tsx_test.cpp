// export --tsx as the map editor itself reads it: Debian's tiled loads the tileset headless
// and writes it out as its JSON, which is checked against the set's numbers; the picture
// beside the tileset is decoded here with libpng and compared with the sheet's colours.
#include <png.h>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tlstool_run.h"

namespace tlstool_test {
namespace {

using nlohmann::json;

// What the map editor read of one tile, without the fields it adds of its own: the type,
// the properties as name: [type, value] (it keeps them by name), the animation as [cell,
// duration] and the collision objects as [name, type, [x1, y1, x2, y2]].
json TileAsRead(const json& tile) {
    json read = {{"id", tile.at("id")}};
    if (tile.contains("type") && !tile["type"].get<std::string>().empty()) {
        read["type"] = tile["type"];
    }
    for (const json& property : tile.value("properties", json::array())) {
        read["properties"][property.at("name").get<std::string>()] = {property.at("type"), property.at("value")};
    }
    for (const json& frame : tile.value("animation", json::array())) {
        read["animation"].push_back({frame.at("tileid"), frame.at("duration")});
    }
    if (tile.contains("objectgroup")) {
        for (const json& object : tile["objectgroup"].at("objects")) {
            const json& points = object.at("polyline");
            const int x = object.at("x");
            const int y = object.at("y");
            read["objects"].push_back({object.at("name"),
                                       object.at("type"),
                                       {x + points.at(0).at("x").get<int>(), y + points.at(0).at("y").get<int>(),
                                        x + points.at(1).at("x").get<int>(), y + points.at(1).at("y").get<int>()}});
        }
    }
    return read;
}

struct DecodedPng {
    int BitDepth = 0;
    int ColourType = 0;
    png_uint_32 Width = 0;
    png_uint_32 Height = 0;
    std::vector<std::uint8_t> Rgb;  // 3 bytes a pixel, rows top first
};

// Decoded by libpng's own reader into plain RGB; the depth and colour type as the file's
// header (IHDR, right after the 8-byte signature and the chunk's length and name) gives them.
DecodedPng DecodePng(const Bytes& file) {
    DecodedPng decoded;
    if (file.size() < 26) {
        return decoded;
    }
    decoded.BitDepth = file[24];
    decoded.ColourType = file[25];
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&image, file.data(), file.size()) == 0) {
        return decoded;
    }
    image.format = PNG_FORMAT_RGB;
    decoded.Width = image.width;
    decoded.Height = image.height;
    decoded.Rgb.resize(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, decoded.Rgb.data(), 0, nullptr) == 0) {
        decoded.Rgb.clear();
    }
    return decoded;
}

// The map editor, headless, with a home of its own for the settings it writes; the test is
// skipped where it is not installed.
class TlstoolTsx : public TlstoolProgram {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(TILED_PATH)) {
            GTEST_SKIP() << "the map editor (tiled) is not installed; ./test installs it";
        }
    }
    testing_support::ProgramResult RunTiled(const std::vector<std::string>& arguments) {
        std::vector<std::string> line{"QT_QPA_PLATFORM=offscreen",
                                      "HOME=" + home_.Path().string(),
                                      "XDG_CONFIG_HOME=" + home_.File("config"),
                                      "XDG_DATA_HOME=" + home_.File("data"),
                                      "XDG_RUNTIME_DIR=" + home_.Path().string(),
                                      TILED_PATH};
        line.insert(line.end(), arguments.begin(), arguments.end());
        return testing_support::RunProgram("/usr/bin/env", folder_.Path(), line);
    }
    dev_support::TempDir home_;
};

TEST_F(TlstoolTsx, TheMapEditorReadsTheTilesetAsTheSetSaysIt) {
    // A sheet of 26 cells and a set of 30 tiles as New makes it, then tiles that say things.
    const TestSheet sheet = MakeSheet(2);
    RawTileSet set = PlainTileSet(30, 4, 26);
    // Tile 3: "Door 1", top blocking 1 carrying the slope from level 0 to 4 (bit 7, 4
    // levels, start 0), left blocking 2.
    set.Attributes[0][3] = 2;
    set.Attributes[1][3] = 128 | 1;
    set.Attributes[4][3] = 2;
    // Tile 5 plays cells 5 to 8.
    for (int frame = 0; frame < 4; ++frame) {
        set.StoredFrames[frame][5] = 32 * (5 + frame);
    }
    // Tile 7: bottom blocking 3 with slope bits 2-3 but no bit 7, which no slope says.
    set.Attributes[3][7] = 12 | 3;
    // Tile 9 plays cells 10, 40 (not on the sheet: left out), 11 and 9.
    set.StoredFrames[0][9] = 32 * 10;
    set.StoredFrames[1][9] = 32 * 40;
    set.StoredFrames[2][9] = 32 * 11;
    // Tile 12: a type the list has no row for; tile 28, past the cells, is left out.
    set.Attributes[0][12] = 77;
    set.Attributes[0][28] = 1;
    set.Planes = sheet.Planes;
    const std::string setFile = Write("set.tls", set.FileBytes());
    const std::string sheetFile = Write("sheet.bmp", sheet.Bmp);

    const testing_support::ProgramResult result =
        Run({"export", setFile, "--sheet", sheetFile, "--tsx", File("levels.tsx")});
    ASSERT_EQ(result.ExitStatus, 0) << result.Err;
    EXPECT_EQ(result.Out, "");
    EXPECT_EQ(result.Err, "tlstool: warning: " + setFile +
                              ": tile 9: frame 2 shows cell 40, which is not among the sheet's 26 cells; " +
                              File("levels.tsx") +
                              " leaves it out of the animation\n"
                              "tlstool: warning: " +
                              setFile +
                              ": tiles 26 to 29 (4 tiles) lie past the sheet's 26 cells; the map editor has "
                              "no tile for them, so " +
                              File("levels.tsx") + " leaves them out\n");
    const std::string tsx = dev_support::ReadFileText(File("levels.tsx"));
    ASSERT_FALSE(tsx.empty());
    EXPECT_EQ(tsx.back(), '\n');
    // The same set gives the same bytes.
    ASSERT_EQ(Run({"export", setFile, "--sheet", sheetFile, "--tsx", File("again.tsx")}).ExitStatus, 0);
    EXPECT_EQ(dev_support::ReadFileBytes(File("again.png")), dev_support::ReadFileBytes(File("levels.png")));
    // Only the names differ.
    std::string again = dev_support::ReadFileText(File("again.tsx"));
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"name=\"again\"", "name=\"levels\""},
                                   {"source=\"again.png\"", "source=\"levels.png\""}}) {
        const std::size_t at = again.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        again.replace(at, from.size(), to);
    }
    EXPECT_EQ(again, tsx);

    const testing_support::ProgramResult exported = RunTiled({"--export-tileset", "json", "levels.tsx", "levels.json"});
    ASSERT_EQ(exported.ExitStatus, 0) << exported.Err;
    const json read = json::parse(dev_support::ReadFileText(File("levels.json")));
    EXPECT_EQ(read.at("name"), "levels");
    EXPECT_EQ(read.at("tilecount"), 26);
    EXPECT_EQ(read.at("columns"), 13);
    EXPECT_EQ(read.at("tilewidth"), 16);
    EXPECT_EQ(read.at("tileheight"), 16);
    EXPECT_EQ(read.at("image"), "levels.png");
    EXPECT_EQ(read.at("imagewidth"), 208);
    EXPECT_EQ(read.at("imageheight"), 32);

    // Every tile that says something, and no other: the edges and the slope line in the
    // tile's 16 x 16 pixels, the slope's levels a quarter of the tile apart.
    const json expected = json::array({
        {{"id", 3},
         {"type", "Door 1"},
         {"properties",
          {{"type_value", {"int", 2}},
           {"blocking_top", {"int", 1}},
           {"blocking_left", {"int", 2}},
           {"slope_top", {"string", "0,4"}}}},
         {"objects", {{"top", "1", {0, 0, 16, 0}}, {"left", "2", {0, 0, 0, 16}}, {"slope_top", "1", {0, 0, 16, 16}}}}},
        {{"id", 5}, {"animation", {{5, 125}, {6, 125}, {7, 125}, {8, 125}}}},
        {{"id", 7},
         {"properties", {{"blocking_bottom", {"int", 3}}, {"bits_bottom", {"int", 12}}}},
         {"objects", {{"bottom", "3", {0, 16, 16, 16}}}}},
        {{"id", 9}, {"animation", {{10, 125}, {11, 125}, {9, 125}}}},
        {{"id", 12}, {"properties", {{"type_value", {"int", 77}}}}},
    });
    json tiles = json::array();
    for (const json& tile : read.at("tiles")) {
        tiles.push_back(TileAsRead(tile));
    }
    EXPECT_EQ(tiles, expected) << tiles.dump(1);

    // The picture: 4-bit indexed, and every pixel in its sheet colour.
    const DecodedPng png = DecodePng(dev_support::ReadFileBytes(File("levels.png")));
    EXPECT_EQ(png.BitDepth, 4);
    EXPECT_EQ(png.ColourType, PNG_COLOR_TYPE_PALETTE);
    ASSERT_EQ(png.Width, 208u);
    ASSERT_EQ(png.Height, 32u);
    ASSERT_EQ(png.Rgb.size(), 208u * 32 * 3);
    int wrong = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 208; ++x) {
            const dev_support::PaletteEntry colour =
                testing_support::TestPaletteColour(testing_support::CellPatternColour(x, y));
            const std::uint8_t* rgb = &png.Rgb[(static_cast<std::size_t>(y) * 208 + x) * 3];
            wrong += rgb[0] != colour.Red || rgb[1] != colour.Green || rgb[2] != colour.Blue;
        }
    }
    EXPECT_EQ(wrong, 0);
}

// tlstool try reads the maps the map editor itself writes: a .tmx on the exported tileset and
// its CSV export. On a floor of tile 1 (top blocking) the figure, started in cell (1, 2),
// runs 16 steps accelerating by 1/8 pixel a step: 1/8 x (1 + ... + 16) = 17 pixels from its
// left edge 1 x 16 + 2, at 2 pixels a step, its top 3 x 16 - 24.
TEST_F(TlstoolTsx, TryRunsOnTheMapsTheMapEditorWrites) {
    const TestSheet sheet = MakeSheet(1);
    RawTileSet set = PlainTileSet(13, 4, 13);
    set.Attributes[1][1] = 1;
    set.Planes = sheet.Planes;
    const std::string setFile = Write("set.tls", set.FileBytes());
    ASSERT_EQ(
        Run({"export", setFile, "--sheet", Write("sheet.bmp", sheet.Bmp), "--tsx", File("levels.tsx")}).ExitStatus, 0);
    WriteText("level.tmj",
              R"({ "type": "map", "version": "1.8", "orientation": "orthogonal", "renderorder": "right-down",
  "width": 8, "height": 4, "tilewidth": 16, "tileheight": 16, "infinite": false, "nextlayerid": 2,
  "nextobjectid": 1, "tilesets": [ { "firstgid": 1, "source": "levels.tsx" } ],
  "layers": [ { "type": "tilelayer", "id": 1, "name": "ground", "width": 8, "height": 4, "x": 0, "y": 0,
    "opacity": 1, "visible": true, "encoding": "csv",
    "data": [0,0,0,0,0,0,0,0, 0,0,0,0,0,0,0,0, 0,0,0,0,0,0,0,0, 2,2,2,2,2,2,2,2] } ] })");
    for (const auto& [format, from, to] :
         {std::tuple<const char*, const char*, const char*>{"tmx", "level.tmj", "level.tmx"},
          {"csv", "level.tmx", "level.csv"}}) {
        const testing_support::ProgramResult exported = RunTiled({"--export-map", format, from, to});
        ASSERT_EQ(exported.ExitStatus, 0) << exported.Err;
    }
    for (const char* map : {"level.tmx", "level.csv"}) {
        SCOPED_TRACE(map);
        const testing_support::ProgramResult result =
            Run({"try", setFile, File(map), "--start", "1,2", "--keys", "right*16"});
        EXPECT_EQ(result.Err, "");
        EXPECT_EQ(result.Out, "16 35.00 24.00 2.00 0.00 ground 1 Nothing\n");
        EXPECT_EQ(result.ExitStatus, 0);
    }
}

}  // namespace
}  // namespace tlstool_test
