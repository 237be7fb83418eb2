// Files for the editor's tests: little-endian fields and 16-colour bitmaps built byte by
// byte from the BMP layout, without the editor's own code.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/temp_folder.h"

namespace testing_support {

void PutLE16(Bytes& bytes, std::size_t offset, std::uint16_t value);
void PutLE32(Bytes& bytes, std::size_t offset, std::uint32_t value);
std::uint16_t GetLE16(const Bytes& bytes, std::size_t offset);
std::uint32_t GetLE32(const Bytes& bytes, std::size_t offset);

// Colour index (0 to 15) of the pixel at (x, y), y counted from the top of the image.
using PixelColour = std::function<int(int x, int y)>;

// The palette written by Build16ColourBitmap: entry i as blue, green, red, reserved.
struct PaletteColour {
    std::uint8_t blue, green, red;
};
PaletteColour TestPaletteColour(int index);

// A 4-bit uncompressed bottom-up BMP of the given size: 14-byte file header, 40-byte info
// header, 16 palette entries, pixel rows from the bottom row up, padded to 4 bytes,
// the left pixel of each pair in the high nibble. imageSizeField is written as given
// (-1 writes the exact size of the pixel data).
Bytes Build16ColourBitmap(int width, int height, const PixelColour& colour,
                          std::int32_t imageSizeField = -1);

// A colour for every cell that differs from its neighbours: cell n painted with colour
// (n mod 15) + 1 in its left half and (n / 15) mod 16 in its right half.
int CellPatternColour(int x, int y);

}  // namespace testing_support
