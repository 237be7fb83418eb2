#include "spacer_layout.h"

#include <gtest/gtest.h>

#include <climits>

using spacergen::computeLayout;

TEST(SpacerLayout, WorkedExample) {
    const auto layout = computeLayout(0x1000, 0x2010);
    EXPECT_EQ(layout.size, 12304);
    EXPECT_EQ(layout.firstNops, 11);
    EXPECT_EQ(layout.blockCount, 3);
}

TEST(SpacerLayout, NegativeSizesTruncateTowardZero) {
    const auto layout = computeLayout(-0x2000, 0);
    EXPECT_EQ(layout.firstNops, -5);
    EXPECT_EQ(layout.blockCount, -2);
}

TEST(SpacerLayout, SumsWrapAroundAtThirtyTwoBits) {
    const auto wrapped = computeLayout(INT_MAX, 1);
    EXPECT_EQ(wrapped.size, INT_MIN);
    EXPECT_EQ(wrapped.firstNops, 4091);  // INT_MIN - 5 wraps to 0x7ffffffb
    EXPECT_EQ(wrapped.blockCount, -524288);
    EXPECT_EQ(computeLayout(INT_MIN, -1).size, INT_MAX);
}
