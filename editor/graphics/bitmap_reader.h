#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mosalind {

struct BMPFileHeader {
    std::int16_t Type = 0;
    std::int32_t Size = 0;
    std::int16_t Reserved1 = 0;
    std::int16_t Reserved2 = 0;
    std::int32_t OffBits = 0;
};

struct BMPInfoHeader {
    std::int32_t Size = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int16_t Planes = 0;
    std::int16_t BitCount = 0;
    std::int32_t Compression = 0;
    std::int32_t SizeImage = 0;
    std::int32_t XPelsPerMeter = 0;
    std::int32_t YPelsPerMeter = 0;
    std::int32_t ClrUsed = 0;
    std::int32_t ClrImportant = 0;
};

struct BMPPaletteEntry {
    std::uint8_t Blue = 0;
    std::uint8_t Green = 0;
    std::uint8_t Red = 0;
    std::uint8_t Reserved = 0;
};

// A tile bitmap as read: both headers, the palette and the pixel data exactly as stored
// (bottom row first, two pixels a byte, left pixel in the high nibble).
struct Bitmap {
    BMPFileHeader FileHeader;
    BMPInfoHeader InfoHeader;
    std::vector<BMPPaletteEntry> Palette;
    std::vector<std::uint8_t> Pixels;
};

// Reads a 16-colour tile sheet: 208 pixels wide, a positive multiple of 16 high, at most
// 32,767 cells. The pixel data is taken from byte 118. Throws RefusedError naming the file
// and the reason for anything else.
Bitmap ReadBitmap(const std::string& path);

}  // namespace mosalind
