// Tile sheets written as indexed BMP files in the layouts paint programs use, from the
// BMP layout itself: the bitmap fuzz target re-encodes every sheet it decodes in each
// layout, and the seed generator writes one file per layout.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "le_bytes.h"

namespace fuzzing {

constexpr int kSheetWidth = 208;

// A 208-pixel-wide picture of colour indices 0 to 15 and its 16 palette entries.
struct SheetPicture {
    int rows = 0;
    std::vector<std::uint8_t> indices;                  // rows x 208, top row first
    std::array<std::array<std::uint8_t, 4>, 16> palette{};  // blue, green, red, reserved
};

struct SheetLayout {
    const char* name = "";
    int headerBytes = 40;       // 12, 40, 52, 56, 108 or 124
    int bitsPerPixel = 4;       // 4 or 8
    int compression = 0;        // 0 none, 1 RLE8, 2 RLE4
    bool topDown = false;       // a negative height: rows stored top first
    int paletteEntries = 0;     // the colours-used field, and the entries written; 0: all
    int gapBytes = 0;           // bytes between the palette and the pixels
    bool rleMoves = false;      // RLE: stretches of colour 0 skipped with moves
};

// Every layout the editor reads, one each.
const std::vector<SheetLayout>& SheetLayouts();

Bytes EncodeSheet(const SheetPicture& picture, const SheetLayout& layout);

}  // namespace fuzzing
