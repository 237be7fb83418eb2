#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace mosalind {

// Decodes an RLE8 (bitsPerPixel 8) or RLE4 (4) pixel stream of a 208-pixel-wide,
// bottom-up image of `rows` rows into `indices`: one colour index a byte, 208 bytes a
// row, bottom row first, all zero on entry. Pixels the stream does not reach stay 0; a
// stream cut short simply ends. A run or move that would pass the end of its row or the
// last row throws RefusedError: the file is damaged.
void DecodeRle(const std::uint8_t* stream, std::size_t size, int bitsPerPixel, std::int32_t rows,
               const std::string& name, std::uint8_t* indices);

}  // namespace mosalind
