#include "editing/slope_codec.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace mosalind {
namespace {

struct SlopeRow {
    int Left, Right, Byte;
};

// The sixteen level pairs that have a slope byte, with the bytes the game expects.
constexpr SlopeRow kValidPairs[] = {{0, 1, 0xA0}, {0, 2, 0x90}, {0, 4, 0x80}, {1, 0, 0xE0}, {1, 2, 0xA4}, {1, 3, 0x94},
                                    {2, 0, 0xD4}, {2, 1, 0xE4}, {2, 3, 0xA8}, {2, 4, 0x98}, {3, 1, 0xD8}, {3, 2, 0xE8},
                                    {3, 4, 0xAC}, {4, 0, 0xCC}, {4, 2, 0xDC}, {4, 3, 0xEC}};

TEST(SlopeCodec, EncodesEveryValidPairAndDecodesItBack) {
    for (const SlopeRow& row : kValidPairs) {
        SCOPED_TRACE(testing::Message() << row.Left << "," << row.Right);
        const std::optional<std::uint8_t> byte = EncodeSlope(row.Left, row.Right);
        ASSERT_TRUE(byte.has_value());
        EXPECT_EQ(*byte, row.Byte);
        const SideSlope decoded = DecodeSideSlope(static_cast<std::int16_t>(row.Byte | 2), 9, 9);
        EXPECT_TRUE(decoded.CarriesSlope);
        EXPECT_EQ(decoded.Left, row.Left);
        EXPECT_EQ(decoded.Right, row.Right);
    }
}

TEST(SlopeCodec, RefusesPairsWithoutEncoding) {
    int refused = 0;
    for (int left = -1; left <= 6; ++left) {
        for (int right = -1; right <= 6; ++right) {
            bool listed = false;
            for (const SlopeRow& row : kValidPairs) {
                listed = listed || (row.Left == left && row.Right == right);
            }
            EXPECT_EQ(EncodeSlope(left, right).has_value(), listed) << left << "," << right;
            refused += listed ? 0 : 1;
        }
    }
    EXPECT_EQ(refused, 64 - 16);
    // Pairs that only foreign side words can give: ends outside the tile.
    EXPECT_FALSE(EncodeSlope(0, -1).has_value());
    EXPECT_FALSE(EncodeSlope(4, 6).has_value());
    EXPECT_FALSE(EncodeSlope(5, 4).has_value());
}

TEST(SlopeCodec, SideWithoutSlopeKeepsThePendingLevels) {
    const SideSlope side = DecodeSideSlope(0x7F, 3, 1);
    EXPECT_FALSE(side.CarriesSlope);
    EXPECT_EQ(side.Left, 3);
    EXPECT_EQ(side.Right, 1);
}

TEST(SlopeCodec, ForeignKindsSetOnlyTheLeftLevel) {
    const SideSlope kind3 = DecodeSideSlope(0x80 | 0x30 | 0x08, 0, 4);  // kind 3, start 2
    EXPECT_TRUE(kind3.CarriesSlope);
    EXPECT_EQ(kind3.Left, 2);
    EXPECT_EQ(kind3.Right, 4);
    const SideSlope fallFromThree = DecodeSideSlope(0x80 | 0x0C, 0, 0);  // kind 0, start 3
    EXPECT_EQ(fallFromThree.Left, 3);
    EXPECT_EQ(fallFromThree.Right, 7);  // below the tile: drawn where it falls, never stored
}

TEST(SlopeCodec, WritingKeepsTheBlockingKind) {
    EXPECT_EQ(WithSlope(0x01, true, 0xA4), 165);
    EXPECT_EQ(WithSlope(0xEF, false, 0xA4), 0x03);
    EXPECT_EQ(WithSlope(0x82, true, 0xE0), 0xE2);
}

TEST(SlopeClick, LevelsCoverFifthsOfTheViewHeight) {
    // An 81-pixel view: level k covers the rows with 5y >= 81k and 5y < 81(k+1).
    EXPECT_EQ(LevelAtClick(0, 81), 0);
    EXPECT_EQ(LevelAtClick(16, 81), 0);    // 80 / 81
    EXPECT_EQ(LevelAtClick(16.2, 81), 1);  // 81 / 81
    EXPECT_EQ(LevelAtClick(32.4, 81), 2);
    EXPECT_EQ(LevelAtClick(80, 81), 4);
    EXPECT_EQ(LevelAtClick(16.1, 81), 0);  // 80.5 rounds to the even 80
    EXPECT_EQ(LevelAtClick(16.3, 81), 1);  // 81.5 rounds to the even 82
    EXPECT_EQ(LevelAtClick(200, 81), 4);   // on the frame below the view
    EXPECT_EQ(LevelAtClick(-3, 81), 0);
    EXPECT_FALSE(LevelAtClick(10, 0).has_value());
}

TEST(SlopeClick, MiddleColumnBelongsToTheRightLevel) {
    EXPECT_TRUE(ClickSetsLeftLevel(39, 81));
    EXPECT_FALSE(ClickSetsLeftLevel(40, 81));
    EXPECT_TRUE(ClickSetsLeftLevel(39.9, 80));
    EXPECT_FALSE(ClickSetsLeftLevel(40, 80));
}

TEST(SlopeLine, RowsOfTheLevels) {
    EXPECT_EQ(LineRowForLevel(0, 81), 0);
    EXPECT_EQ(LineRowForLevel(1, 81), 20);  // 81 / 4
    EXPECT_EQ(LineRowForLevel(3, 81), 60);  // 243 / 4
    EXPECT_EQ(LineRowForLevel(4, 81), 81);
    EXPECT_EQ(LineRowForLevel(-1, 81), -20);  // truncates toward zero
    EXPECT_EQ(LineRowForLevel(1, 80.5), 20);  // 80.5 rounds to 80
}

}  // namespace
}  // namespace mosalind
