// The sixteen colours of the sample tile sheet, shared by the programs that draw in its style
// (the sheet itself and the editor's icon).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace sheet_palette {

enum Colour : std::uint8_t {
    Black,
    Blue,
    Sky,
    Ice,
    DarkGreen,
    Green,
    DarkBrown,
    Brown,
    DarkRed,
    Red,
    Orange,
    Yellow,
    DarkGrey,
    Grey,
    White,
    Purple
};

struct Rgb {
    std::uint8_t Red, Green, Blue;
};

constexpr std::array<Rgb, 16> kPalette{{
    {24, 20, 37},
    {52, 84, 180},
    {104, 168, 236},
    {184, 230, 248},
    {36, 112, 60},
    {108, 196, 72},
    {96, 58, 36},
    {168, 108, 60},
    {144, 36, 48},
    {224, 68, 60},
    {244, 152, 48},
    {252, 224, 96},
    {72, 74, 92},
    {150, 154, 170},
    {244, 244, 236},
    {156, 80, 192},
}};

// One letter per colour, in palette order, for drawing pixel art as rows of text.
constexpr std::string_view kLetters = "kuscDgBbRroyKewp";

}  // namespace sheet_palette
