#include "document/new_tile_set.h"

#include <gtest/gtest.h>

#include "base/refused_error.h"
#include "document/tile_set_test_helpers.h"

namespace mosalind {
namespace {

using test_helpers::SameDocument;

TEST(NewTileSet, Of910TilesOnA1120PixelSheet) {
    TileSet set;
    set.TileAttributes[2][909] = 9;
    set.TileAttributes[2][910] = 9;  // beyond the tiles in use: kept
    set.TileFrames[4][3] = 44;       // beyond the frames in use: kept
    FillNewTileSet(set, 910, 4, 208, 1120);

    EXPECT_EQ(set.Header.TileCount, 910);
    EXPECT_EQ(set.Header.FrameCount, 4);
    EXPECT_EQ(set.Header.PlaneSize, 29120);
    EXPECT_EQ(set.Header.AttributeOffset, 64);
    EXPECT_EQ(set.Header.FrameOffset, 4614);
    EXPECT_EQ(set.Header.PlanesOffset, 11894);
    EXPECT_EQ(set.TileAttributes[2][909], 0);
    EXPECT_EQ(set.TileAttributes[2][910], 9);
    EXPECT_EQ(set.TileFrames[4][3], 44);
    for (int frame = 0; frame < 4; ++frame) {
        for (int tile = 0; tile < 910; ++tile) {
            ASSERT_EQ(set.TileFrames[frame][tile], tile) << frame << "/" << tile;
        }
    }
}

TEST(NewTileSet, FramesWrapAfterTheLastCellAndReservedBytesStay) {
    TileSet set;
    set.Header.Reserved[5] = 1;
    FillNewTileSet(set, 100, 8, 208, 64);
    EXPECT_EQ(set.Header.PlanesOffset, 64 + 500 + 1600);
    EXPECT_EQ(set.Header.Reserved[5], 1);
    for (int frame = 0; frame < 8; ++frame) {
        EXPECT_EQ(set.TileFrames[frame][51], 51);
        EXPECT_EQ(set.TileFrames[frame][52], 0);
        EXPECT_EQ(set.TileFrames[frame][99], 47);
    }
}

TEST(NewTileSet, LargestSetsFit) {
    TileSet set;
    FillNewTileSet(set, 1201, 8, 208, 1248);  // 78 rows of cells
    EXPECT_EQ(set.Header.PlaneSize, 32448);
    EXPECT_EQ(set.Header.PlanesOffset, 64 + 6005 + 19216);
    EXPECT_EQ(set.TileFrames[7][1200], 1200 % 1014);
    FillNewTileSet(set, 1, 4, 208, 16);
    EXPECT_EQ(set.Header.TileCount, 1);
}

TEST(NewTileSet, RefusalsSayWhyAndChangeNothing) {
    TileSet original;
    FillNewTileSet(original, 13, 4, 208, 32);
    struct Case {
        int Tiles, Frames, Width, Height;
        const char* Says;
    } cases[] = {
        {0, 4, 208, 1120, "The tile count 0 is outside 1 to 1201"},
        {1202, 4, 208, 1120, "The tile count 1202 is outside 1 to 1201"},
        {-5, 8, 208, 1120, "tile count -5"},
        {910, 5, 208, 1120, "frame count 5 is neither 4 nor 8"},
        {910, 4, 208, 15, "no whole row of 16 x 16 cells"},
        {910, 4, 208, 0, "no whole row"},
        {910, 4, 0, 1120, "no whole row"},
        {910, 4, 208, 1264, "plane size of 32864 bytes"},
        {910, 4, 208, 2000000000, "plane size"},
    };
    for (const Case& c : cases) {
        TileSet set = original;
        try {
            FillNewTileSet(set, static_cast<std::int16_t>(c.Tiles), static_cast<std::int16_t>(c.Frames), c.Width,
                           c.Height);
            ADD_FAILURE() << c.Says;
        } catch (const RefusedError& error) {
            EXPECT_NE(std::string(error.what()).find(c.Says), std::string::npos) << error.what();
        }
        EXPECT_TRUE(SameDocument(set, original)) << c.Says;
    }
}

}  // namespace
}  // namespace mosalind
