#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "graphics/bitmap_reader.h"

namespace mosalind {

// Where a sheet file keeps its parts, and how its pixels are stored.
struct BitmapLayout {
    std::int32_t Rows = 0;         // image height in pixels
    bool TopDown = false;          // rows stored top row first
    int BitsPerPixel = 4;          // 4 or 8
    int Compression = 0;           // 0 none, 1 RLE8, 2 RLE4
    std::uint64_t PixelStart = 0;  // file offset of the pixel data
};

// The most a palette can reach into a file: the largest header and 256 entries of 4 bytes.
constexpr std::size_t kBitmapHeadBytes = 14 + 124 + 256 * 4;

// Decodes the headers and the palette from the first bytes of a file (`size` of them, all
// the file has when it is shorter than kBitmapHeadBytes) into `bitmap`, checks that they
// describe a tile sheet the editor can read and says where the pixels are. Throws
// RefusedError otherwise.
BitmapLayout DecodeBitmapHead(const std::uint8_t* head, std::size_t size, const std::string& name, Bitmap& bitmap);

// How many bytes of pixel data, from PixelStart on, are worth reading: the stored rows of
// an uncompressed file; for RLE, the whole stream up to a bound no real sheet comes near.
std::size_t BitmapPixelBytesWanted(const BitmapLayout& layout);

}  // namespace mosalind
