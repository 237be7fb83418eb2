#pragma once

#include <cstddef>
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

// The information header's fields as the file gives them. A 12-byte core header fills
// Size, Width, Height, Planes and BitCount; the rest stay 0. Height is made positive:
// the pixels are always kept bottom row first, whatever order the file stored them in.
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

// A tile sheet as read, in the one form the rest of the editor uses whatever the file's
// own layout: 16 palette entries (those the file does not have are black) and 4-bit
// pixels, two a byte with the left pixel in the high nibble, 104 bytes a row, bottom row
// first, exactly Height rows. A sheet read from a PNG file has only InfoHeader's Width,
// Height, Planes (1) and BitCount (the PNG's bit depth) set; its other header fields are 0.
struct Bitmap {
    BMPFileHeader FileHeader;
    BMPInfoHeader InfoHeader;
    std::vector<BMPPaletteEntry> Palette;
    std::vector<std::uint8_t> Pixels;
};

// Reads a 16-colour tile sheet, 208 pixels wide and a positive multiple of 16 high (at
// most 2,520 rows of cells), from an indexed BMP file: information headers of 12, 40, 52,
// 56, 108 or 124 bytes; 4 bits a pixel, or 8 with every index below 16; uncompressed,
// RLE4 or RLE8; bottom-up or top-down. Bytes missing at the end of the file read as zero.
// Throws RefusedError naming the file and the reason for anything else.
Bitmap ReadBitmap(const std::string& path);

class ByteFileReader;

// The same reading of an open file whose first `size` bytes, `head`, were read already
// (kBitmapHeadBytes of them, or the whole file when it is shorter).
Bitmap ReadBitmap(const std::uint8_t* head, std::size_t size, ByteFileReader& file, const std::string& path);

// The same reading of a file already in memory; `name` is the file's name in refusals.
Bitmap DecodeBitmap(const std::uint8_t* bytes, std::size_t size, const std::string& name);

}  // namespace mosalind
