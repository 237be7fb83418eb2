// A tile's collision read from its side words and written back: blocking kind in bits 0-1,
// slope bits 2-7 (bit 7 carried, bit 6 rising, bits 4-5 steepness, bits 2-3 start level).
#include "document/tile_collision.h"

#include <gtest/gtest.h>

namespace mosalind {
namespace {

TEST(TileCollision, SideWordsGiveBlockingSlopeAndLine) {
    const struct {
        const char* Why;
        std::int16_t Word;
        int Blocking;
        std::optional<SlopeLevels> Slope;
        int Unreadable;
        bool Shows;
        TileLine Line;  // only for a side that shows a slope
    } rows[] = {
        {"nothing", 0x00, 0, {}, 0, false, {}},
        {"blocking, a gentle fall 1 to 2", 0xA5, 1, SlopeLevels{1, 2}, 0, true, {0, 4, 16, 8}},
        {"slippery, a steep rise 4 to 0", 0xCE, 2, SlopeLevels{4, 0}, 0, true, {0, 16, 16, 0}},
        {"icy, a half rise 3 to 1", 0xDB, 3, SlopeLevels{3, 1}, 0, true, {0, 12, 16, 4}},
        {"kind 3 from start 2: left level only", 0xB8, 0, {}, 0xB8, true, {0, 8, 16, 0}},
        {"a fall from 3 ends below the tile", 0x8C, 0, {}, 0x8C, true, {0, 12, 16, 16}},
        {"slope bits without bit 7 are no slope", 0x7D, 1, {}, 0x7C, false, {}},
        {"a high bit beside a readable slope", 0x181, 1, SlopeLevels{0, 4}, 0, true, {0, 0, 16, 16}},
        {"a negative word shows no slope", -128, 0, {}, 0x80, false, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Why);
        const SideCollision side = SideCollision::FromWord(row.Word);
        EXPECT_EQ(side.Blocking, row.Blocking);
        EXPECT_EQ(side.Slope, row.Slope);
        EXPECT_EQ(side.UnreadableSlopeBits(), row.Unreadable);
        EXPECT_EQ(side.ShowsSlope(), row.Shows);
        if (row.Shows) {
            EXPECT_EQ(side.SlopeLine(), row.Line);
        }
    }
}

TEST(TileCollision, EveryWordWritesBackAsItWasAndMirrorsAndTurnsBackToItself) {
    for (int value = -32768; value <= 32767; ++value) {
        const auto word = static_cast<std::int16_t>(value);
        const SideCollision side = SideCollision::FromWord(word);
        ASSERT_EQ(side.Word(), word) << value;
        ASSERT_EQ(side.Mirrored().Mirrored(), side) << value;
        ASSERT_EQ(SideCollision::FromWord(side.Mirrored().Word()), side.Mirrored()) << value;
        ASSERT_EQ(side.UpsideDown().UpsideDown(), side) << value;
        ASSERT_EQ(SideCollision::FromWord(side.UpsideDown().Word()), side.UpsideDown()) << value;
    }
}

TEST(TileCollision, MirrorAndUpsideDownSwapSidesAndReverseSlopes) {
    // top: blocking under a gentle fall 0 to 1; right: slippery; bottom: a steep fall 0 to 4
    // with a bit no slope uses; left: icy under the foreign kind 3.
    const TileCollision collision = TileCollision::FromWords({0xA1, 0x02, 0x280, 0xB3});
    // Reversed: a gentle rise 1 to 0 (0xE0), a steep rise 4 to 0 (0xCC); kind 3 stays.
    const std::array<std::int16_t, 4> mirrored{0xE1, 0xB3, 0x2CC, 0x02};
    EXPECT_EQ(collision.Mirrored().Words(), mirrored);
    // Upside down: the top and bottom swap, each level L becomes 4 - L: the gentle fall 0 to 1
    // becomes a gentle rise 4 to 3 (0xEC), the steep fall 0 to 4 a steep rise 4 to 0 (0xCC).
    const std::array<std::int16_t, 4> upsideDown{0x2CC, 0x02, 0xED, 0xB3};
    EXPECT_EQ(collision.UpsideDown().Words(), upsideDown);
}

TEST(TileCollision, ReadAndWrittenThroughTheSet) {
    TileSet set;
    set.TileAttributes[0][1200] = 9;
    set.TileAttributes[4][1200] = 0xE4;  // left side: a gentle rise 2 to 1
    TileCollision collision = ReadTileCollision(set, 1200);
    EXPECT_EQ(collision.Sides[kLeftSide].Slope, (SlopeLevels{2, 1}));
    collision.Sides[kRightSide].Blocking = 3;
    collision.Sides[kLeftSide].Slope = SlopeLevels{0, 2};
    WriteTileCollision(set, 1200, collision);
    EXPECT_EQ(set.TileAttributes[0][1200], 9);
    EXPECT_EQ(set.TileAttributes[2][1200], 3);
    EXPECT_EQ(set.TileAttributes[4][1200], 0x90);
    WriteTileCollision(set, kMaxTiles, collision);  // outside the tables: nothing happens
    EXPECT_EQ(ReadTileCollision(set, kMaxTiles), TileCollision{});
}

}  // namespace
}  // namespace mosalind
