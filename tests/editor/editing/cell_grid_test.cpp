#include "editing/cell_grid.h"

#include <gtest/gtest.h>

#include <limits>

namespace mosalind {
namespace {

TEST(CellAtPixel, RoundsHalvesToEvenBeforeDividing) {
    EXPECT_EQ(CellAtPixel(15.5f, 0), 1);  // 16
    EXPECT_EQ(CellAtPixel(14.5f, 0), 0);  // 14
    EXPECT_EQ(CellAtPixel(0, 15.5f), 13);
    EXPECT_EQ(CellAtPixel(0, 16.5f), 13);  // 16
    EXPECT_EQ(CellAtPixel(0.4f, -0.4f), 0);
    EXPECT_EQ(CellAtPixel(-20, 0), -1);      // truncates toward zero
    EXPECT_EQ(CellAtPixel(16 * 13, 0), 13);  // beyond the 13th column: the next row's number
}

TEST(CellAtPixel, CellNumbersBeyondSixteenBitsAreNoCell) {
    EXPECT_EQ(CellAtPixel(0, 16 * 2520), 32760);
    EXPECT_EQ(CellAtPixel(16 * 7, 16 * 2520), 32767);
    EXPECT_FALSE(CellAtPixel(16 * 8, 16 * 2520).has_value());
    EXPECT_FALSE(CellAtPixel(0, 1e12f).has_value());
    EXPECT_FALSE(CellAtPixel(std::numeric_limits<float>::quiet_NaN(), 0).has_value());
}

TEST(SelectionMarker, FramesTheCellWithTwoPixels) {
    EXPECT_EQ(SelectionMarkerOrigin(27).Left, 14);
    EXPECT_EQ(SelectionMarkerOrigin(27).Top, 30);
    EXPECT_EQ(SelectionMarkerOrigin(0).Left, -2);
    EXPECT_EQ(SelectionMarkerOrigin(0).Top, -2);
    EXPECT_EQ(CellOriginOf(14).Left, 16);
    EXPECT_EQ(CellOriginOf(14).Top, 16);
}

}  // namespace
}  // namespace mosalind
