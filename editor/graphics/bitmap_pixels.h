#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/bitmap_layout.h"
#include "graphics/bitmap_reader.h"

namespace mosalind {

// Brings the file's pixel data (`data`: from the layout's PixelStart to the end of the
// file, or as much as was read) into the one form of Bitmap::Pixels. Throws RefusedError
// for an 8-bit index above 15, naming the first such pixel from the top left, and for a
// damaged RLE stream.
void DecodeBitmapPixels(const BitmapLayout& layout, std::vector<std::uint8_t> data, const std::string& name,
                        Bitmap& bitmap);

// Packs one colour index a byte (208 a row, `rows` rows, bottom row first) into
// bitmap.Pixels. Throws RefusedError for an index above 15, naming the first such pixel
// from the top left.
void PackSheetIndices(const std::vector<std::uint8_t>& indices, std::int32_t rows, const std::string& name,
                      Bitmap& bitmap);

}  // namespace mosalind
