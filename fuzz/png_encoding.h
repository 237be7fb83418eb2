// Tile sheets written as indexed PNG files from the PNG layout itself (chunks, zlib, the
// row filters and Adam7 interlacing, done here by hand): the png fuzz target re-encodes
// every sheet it decodes, and the seed generator writes one file per layout.
#pragma once

#include <vector>

#include "le_bytes.h"
#include "sheet_encoding.h"

namespace fuzzing {

struct PngLayout {
    const char* name = "";
    int bitDepth = 4;            // 1, 2, 4 or 8
    bool interlaced = false;     // Adam7
    int paletteEntries = 0;      // PLTE's length; 0: all the depth can index, at most 16
    bool ancillary = false;      // transparency, colour-space, gamma and text chunks too
};

// Every kind of indexed PNG the editor reads, one each.
const std::vector<PngLayout>& PngLayouts();

// Whether every index of the picture fits the layout's bit depth.
bool PngLayoutFits(const SheetPicture& picture, const PngLayout& layout);

// The picture's palette entries past 16 (for a PLTE that long) are a grey ramp.
Bytes EncodePngSheet(const SheetPicture& picture, const PngLayout& layout);

}  // namespace fuzzing
