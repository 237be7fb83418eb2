#include "hex_argument.h"

#include <gtest/gtest.h>

#include <climits>

using spacergen::readHexArgument;

TEST(HexArgument, ReadsSignedHexadecimalWrappedToThirtyTwoBits) {
    EXPECT_EQ(readHexArgument("2010"), 0x2010);
    EXPECT_EQ(readHexArgument("aBcDeF"), 0xabcdef);
    EXPECT_EQ(readHexArgument("+ff"), 0xff);
    EXPECT_EQ(readHexArgument("-1"), -1);
    EXPECT_EQ(readHexArgument("ffffffff"), -1);
    EXPECT_EQ(readHexArgument("-80000000"), INT_MIN);
    EXPECT_EQ(readHexArgument("123456789"), 0x23456789);
}

TEST(HexArgument, StopsAtTheFirstOtherCharacter) {
    EXPECT_EQ(readHexArgument("0x10"), 0);
    EXPECT_EQ(readHexArgument("12g4"), 0x12);
}

TEST(HexArgument, SkipsLeadingWhiteSpaceBeforeTheSign) {
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {{" 10", 0x10}, {"\t\n\v\f\r-1", -1}, {"  +ff", 0xff}, {"\n0x10", 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(readHexArgument(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(HexArgument, RejectsAnArgumentWithoutDigits) {
    for (const char* text : {"", "+", "-", "x10", "--1", " ", "\t-", "+ 1", "- 1", "\x01" "1"}) {
        EXPECT_FALSE(readHexArgument(text).has_value()) << '"' << text << '"';
    }
}
