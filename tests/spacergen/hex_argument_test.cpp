#include "hex_argument.h"

#include <gtest/gtest.h>

#include <climits>

using spacergen::ReadHexArgument;

TEST(HexArgument, ReadsSignedHexadecimalWrappedToThirtyTwoBits) {
    EXPECT_EQ(ReadHexArgument("2010"), 0x2010);
    EXPECT_EQ(ReadHexArgument("aBcDeF"), 0xabcdef);
    EXPECT_EQ(ReadHexArgument("+ff"), 0xff);
    EXPECT_EQ(ReadHexArgument("-1"), -1);
    EXPECT_EQ(ReadHexArgument("ffffffff"), -1);
    EXPECT_EQ(ReadHexArgument("-80000000"), INT_MIN);
    EXPECT_EQ(ReadHexArgument("123456789"), 0x23456789);
}

TEST(HexArgument, StopsAtTheFirstOtherCharacter) {
    EXPECT_EQ(ReadHexArgument("0x10"), 0);
    EXPECT_EQ(ReadHexArgument("12g4"), 0x12);
}

TEST(HexArgument, SkipsLeadingWhiteSpaceBeforeTheSign) {
    const struct {
        const char* Text;
        std::int32_t Value;
    } cases[] = {{" 10", 0x10}, {"\t\n\v\f\r-1", -1}, {"  +ff", 0xff}, {"\n0x10", 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(ReadHexArgument(c.Text), c.Value) << '"' << c.Text << '"';
    }
}

TEST(HexArgument, RejectsAnArgumentWithoutDigits) {
    for (const char* text : {"", "+", "-", "x10", "--1", " ", "\t-", "+ 1", "- 1",
                             "\x01"
                             "1"}) {
        EXPECT_FALSE(ReadHexArgument(text).has_value()) << '"' << text << '"';
    }
}
