// A picture of colour indices and its palette: what the BMP and PNG sheet writers write.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace dev_support {

// A palette entry in a BMP file's order: blue, green, red, reserved.
struct PaletteEntry {
    std::uint8_t Blue = 0;
    std::uint8_t Green = 0;
    std::uint8_t Red = 0;
    std::uint8_t Reserved = 0;
};

struct SheetPicture {
    int Width = 208;
    int Height = 0;
    std::function<int(int x, int y)> Index;  // the colour index of pixel (x, y), y counted from the top
    std::vector<PaletteEntry> Palette;       // a file's entries past its end are black
};

}  // namespace dev_support
