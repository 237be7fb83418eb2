#include "editing/tile_type_list.h"

#include <gtest/gtest.h>

namespace mosalind {
namespace {

constexpr int kRows = 32;

TEST(TileTypeList, NumberedRowsStoreTheirNumber) {
    for (int row = 0; row <= 28; ++row) {
        EXPECT_EQ(TileTypeForRow(row, kRows), row);
        EXPECT_EQ(RowForTileType(static_cast<std::int16_t>(row), kRows), row);
    }
}

TEST(TileTypeList, LastRowsAreCountedFromTheEnd) {
    EXPECT_EQ(TileTypeForRow(29, kRows), 0);    // "---"
    EXPECT_EQ(TileTypeForRow(30, kRows), 254);  // "Masked"
    EXPECT_EQ(TileTypeForRow(31, kRows), 255);  // "Foreground"
    EXPECT_EQ(TileTypeForRow(-1, kRows), 0);    // no selection
    EXPECT_EQ(RowForTileType(254, kRows), 30);
    EXPECT_EQ(RowForTileType(255, kRows), 31);
    // A longer list keeps the last two rows for 254 and 255.
    EXPECT_EQ(TileTypeForRow(39, 40), 255);
    EXPECT_EQ(RowForTileType(254, 40), 38);
}

TEST(TileTypeList, ValuesWithoutARowShowNothing) {
    for (int value : {29, 100, 253, 256, -1}) {
        EXPECT_EQ(RowForTileType(static_cast<std::int16_t>(value), kRows), 0) << value;
    }
}

TEST(BlockingKind, RowOutsideTheListCountsAsNothing) {
    EXPECT_EQ(BlockingKindForRow(-1), 0);
    EXPECT_EQ(BlockingKindForRow(4), 0);
    EXPECT_EQ(BlockingKindForRow(3), 3);
}

TEST(BlockingKind, ReplacesOnlyBitsZeroAndOne) {
    EXPECT_EQ(WithBlockingKind(0xA4, 1), 0xA5);
    EXPECT_EQ(WithBlockingKind(0xFF, 0), 0xFC);
    EXPECT_EQ(WithBlockingKind(0x02, 3), 0x03);
    EXPECT_EQ(BlockingRowForSideWord(0xA5), 1);
    EXPECT_EQ(BlockingRowForSideWord(0xDF), 3);
}

}  // namespace
}  // namespace mosalind
