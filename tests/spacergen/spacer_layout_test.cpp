#include "spacer_layout.h"

#include <gtest/gtest.h>

#include <climits>

using spacergen::ComputeLayout;

TEST(SpacerLayout, WorkedExample) {
    const auto layout = ComputeLayout(0x1000, 0x2010);
    EXPECT_EQ(layout.Size, 12304);
    EXPECT_EQ(layout.FirstNops, 11);
    EXPECT_EQ(layout.BlockCount, 3);
}

TEST(SpacerLayout, NegativeSizesTruncateTowardZero) {
    const auto layout = ComputeLayout(-0x2000, 0);
    EXPECT_EQ(layout.FirstNops, -5);
    EXPECT_EQ(layout.BlockCount, -2);
}

TEST(SpacerLayout, SumsWrapAroundAtThirtyTwoBits) {
    const auto wrapped = ComputeLayout(INT_MAX, 1);
    EXPECT_EQ(wrapped.Size, INT_MIN);
    EXPECT_EQ(wrapped.FirstNops, 4091);  // INT_MIN - 5 wraps to 0x7ffffffb
    EXPECT_EQ(wrapped.BlockCount, -524288);
    EXPECT_EQ(ComputeLayout(INT_MIN, -1).Size, INT_MAX);
}
