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

}  // namespace mosalind
