#include "sample_sheet/tiny_font.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace sample_sheet {

namespace {

struct Glyph {
    char Letter;
    int Width;
    std::array<std::uint8_t, 5> Rows;  // bit 2 is the left column
};

constexpr std::array<Glyph, 14> kGlyphs{{
    {'0', 3, {7, 5, 5, 5, 7}},
    {'1', 3, {2, 6, 2, 2, 7}},
    {'2', 3, {7, 1, 7, 4, 7}},
    {'3', 3, {7, 1, 3, 1, 7}},
    {'4', 3, {5, 5, 7, 1, 1}},
    {'5', 3, {7, 4, 7, 1, 7}},
    {'6', 3, {7, 4, 7, 5, 7}},
    {'7', 3, {7, 1, 1, 2, 2}},
    {'8', 3, {7, 5, 7, 5, 7}},
    {'9', 3, {7, 5, 7, 1, 7}},
    {'E', 3, {7, 4, 6, 4, 7}},
    {'X', 3, {5, 5, 2, 5, 5}},
    {'I', 1, {1, 1, 1, 1, 1}},
    {'T', 3, {7, 2, 2, 2, 2}},
}};

const Glyph& FindGlyph(char ch) {
    for (const Glyph& g : kGlyphs)
        if (g.Letter == ch)
            return g;
    throw std::logic_error(std::string("no glyph for '") + ch + "'");
}

}  // namespace

void DrawText(Cell& c, int x, int y, std::string_view s, Colour colour, int scale) {
    for (char ch : s) {
        const Glyph& g = FindGlyph(ch);
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < g.Width; ++col)
                if (g.Rows[std::size_t(row)] & (1 << (g.Width - 1 - col)))
                    c.Rect(x + col * scale, y + row * scale, scale, scale, colour);
        x += (g.Width + 1) * scale;
    }
}

}  // namespace sample_sheet
