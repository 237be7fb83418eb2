#pragma once

#include <cstdint>

namespace mosalind {

// The one bitmap form the editor cuts tiles from: 16 colours, 208 pixels (13 cells) wide,
// whole rows of 16 x 16 cells, rows stored bottom first with 104 bytes each. Every sheet
// file the editor reads is brought to this form.
constexpr std::int32_t kSheetWidth = 208;
constexpr std::int32_t kSheetBytesPerRow = kSheetWidth / 2;
constexpr std::int32_t kMaxSheetCells = 32767;
constexpr std::int32_t kMaxSheetCellRows = kMaxSheetCells / 13;  // 2520
constexpr std::int32_t kMaxSheetRows = kMaxSheetCellRows * 16;   // 40320
constexpr std::int32_t kSheetPaletteEntries = 16;
// The longest sheet file read: the tallest sheet at 8 bits a pixel is 8.4 MB, as an
// uncompressed PNG a little more; the rest is room for a gap before a BMP's pixels and for
// a PNG's other chunks. A longer file is refused by its length alone.
constexpr std::uint64_t kMostSheetFileBytes = std::uint64_t{64} << 20;

}  // namespace mosalind
