#include <gtest/gtest.h>

#include "base/refused_error.h"
#include "document/tile_count_text.h"

namespace mosalind {
namespace {

TEST(TileCountText, ReadsTheNumberAtTheStartOfTheText) {
    struct Case {
        const char* Text;
        int Value;
    } cases[] = {
        {"910", 910},    {" 9 1\t0\n", 910}, {"+7", 7},         {"-12", -12},     {"- 1 2", -12},  {"12abc", 12},
        {"1.2.3", 1},    {"abc", 0},         {"", 0},           {"-", 0},         {".", 0},        {"1.5E2", 150},
        {"1.5e+2", 150}, {"1d3", 1000},      {"25D-1", 2},      {"1e", 1},        {"1e+", 1},      {"7E x", 7},
        {"&H38E", 910},  {"&h38e", 910},     {"&O1616", 910},   {"&o17", 15},     {"&H", 0},       {"&Hxyz", 0},
        {"&O9", 0},      {"&", 0},           {"0.000001e6", 1}, {"1e-999999", 0}, {"0e999999", 0}, {"000910", 910},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadTileCountText(c.Text), c.Value) << '"' << c.Text << '"';
    }
}

TEST(TileCountText, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(ReadTileCountText("2.5"), 2);
    EXPECT_EQ(ReadTileCountText("3.5"), 4);
    EXPECT_EQ(ReadTileCountText("-2.5"), -2);
    EXPECT_EQ(ReadTileCountText(".5"), 0);
    EXPECT_EQ(ReadTileCountText("1.5"), 2);
    EXPECT_EQ(ReadTileCountText("2.51"), 3);
    EXPECT_EQ(ReadTileCountText("-32768.5"), -32768);
}

TEST(TileCountText, RefusesNumbersBeyond16Bits) {
    EXPECT_EQ(ReadTileCountText("32767"), 32767);
    EXPECT_EQ(ReadTileCountText("-32768"), -32768);
    for (const char* text : {"32768", "-32769", "32767.5", "&H10000", "&H7FFFFFFF", "&H100000000", "&O200000", "1e5",
                             "1e999999", "-1e999999", "99999999999999999999999999"}) {
        EXPECT_THROW(ReadTileCountText(text), RefusedError) << text;
    }
    try {
        ReadTileCountText("40000");
        ADD_FAILURE();
    } catch (const RefusedError& error) {
        EXPECT_STREQ(error.what(), "The tile count 40000 does not fit a 16-bit number (-32768 to 32767)");
    }
    try {
        ReadTileCountText("1e999");
        ADD_FAILURE();
    } catch (const RefusedError& error) {
        EXPECT_STREQ(error.what(), "The tile count is too large to fit a 16-bit number (-32768 to 32767)");
    }
}

TEST(TileCountText, HexAndOctalDigitsAreSignedBitPatterns) {
    // 16 bits when the value fits them, else 32 bits: the top bit gives the sign.
    EXPECT_EQ(ReadTileCountText("&H7FFF"), 32767);
    EXPECT_EQ(ReadTileCountText("&H8000"), -32768);
    EXPECT_EQ(ReadTileCountText("&HFFFF"), -1);
    EXPECT_EQ(ReadTileCountText("&H0000FFFE"), -2);
    EXPECT_EQ(ReadTileCountText("&O177777"), -1);
    EXPECT_EQ(ReadTileCountText("&O100000"), -32768);
    EXPECT_EQ(ReadTileCountText("&HFFFFFFFF"), -1);
    EXPECT_EQ(ReadTileCountText("&HFFFF8000"), -32768);
    EXPECT_EQ(ReadTileCountText("&O37777777777"), -1);
}

}  // namespace
}  // namespace mosalind
