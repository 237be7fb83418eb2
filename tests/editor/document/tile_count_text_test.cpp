#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <span>

#include "base/refused_error.h"
#include "document/tile_count_text.h"

namespace mosalind {
namespace {

// The number at the start of the text; halves rounded to the even neighbour; hex and octal
// digits a signed bit pattern of 16 bits when the value fits them, else of 32 bits.
TEST(TileCountText, ReadsTheNumberAtTheStartOfTheText) {
    struct Case {
        const char* Text;
        int Value;
    };
    const Case read[] = {
        {"910", 910},    {" 9 1\t0\n", 910}, {"+7", 7},         {"-12", -12},     {"- 1 2", -12},  {"12abc", 12},
        {"1.2.3", 1},    {"abc", 0},         {"", 0},           {"-", 0},         {".", 0},        {"1.5E2", 150},
        {"1.5e+2", 150}, {"1d3", 1000},      {"25D-1", 2},      {"1e", 1},        {"1e+", 1},      {"7E x", 7},
        {"&H38E", 910},  {"&h38e", 910},     {"&O1616", 910},   {"&o17", 15},     {"&H", 0},       {"&Hxyz", 0},
        {"&O9", 0},      {"&", 0},           {"0.000001e6", 1}, {"1e-999999", 0}, {"0e999999", 0}, {"000910", 910},
    };
    const Case halvesAndLimits[] = {
        {"2.5", 2},         {"3.5", 4},        {"-2.5", -2},         {".5", 0},
        {"1.5", 2},         {"2.51", 3},       {"-32768.5", -32768}, {"32767", 32767},
        {"-32768", -32768}, {"&H7FFF", 32767}, {"&H8000", -32768},   {"&HFFFF", -1},
    };
    const Case bitPatterns[] = {
        {"&H0000FFFE", -2}, {"&O177777", -1},       {"&O100000", -32768},
        {"&HFFFFFFFF", -1}, {"&HFFFF8000", -32768}, {"&O37777777777", -1},
    };
    for (const std::span<const Case> cases :
         {std::span<const Case>(read), std::span<const Case>(halvesAndLimits), std::span<const Case>(bitPatterns)}) {
        for (const Case& c : cases) {
            EXPECT_EQ(ReadTileCountText(c.Text), c.Value) << '"' << c.Text << '"';
        }
    }
}

TEST(TileCountText, RefusesNumbersBeyond16Bits) {
    for (const char* text : {"32768", "-32769", "32767.5", "&H10000", "&H7FFFFFFF", "&H100000000", "&O200000", "1e5",
                             "1e999999", "-1e999999", "99999999999999999999999999"}) {
        EXPECT_THROW(ReadTileCountText(text), RefusedError) << text;
    }
    EXPECT_THAT(
        [] { ReadTileCountText("40000"); },
        testing::ThrowsMessage<RefusedError>("The tile count 40000 does not fit a 16-bit number (-32768 to 32767)"));
    EXPECT_THAT(
        [] { ReadTileCountText("1e999"); },
        testing::ThrowsMessage<RefusedError>("The tile count is too large to fit a 16-bit number (-32768 to 32767)"));
}

}  // namespace
}  // namespace mosalind
