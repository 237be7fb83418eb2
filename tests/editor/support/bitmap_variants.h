// Indexed BMP sheets in the layouts paint programs write, built byte by byte from the BMP
// layout without the editor's own code, all holding the same 16-colour picture.
#pragma once

#include <cstdint>

#include "common/temp_folder.h"

namespace testing_support {

struct BitmapVariant {
    const char* name;
    int headerSize = 40;     // 12, 40, 52, 56, 108 or 124
    int bits = 4;            // 4 or 8
    int compression = 0;     // 0 none, 1 RLE8, 2 RLE4
    bool topDown = false;    // a negative height, rows stored top first
    int coloursUsed = 0;     // the colours-used field; also the palette entries written
    int gap = 0;             // bytes between the palette and the pixels
    bool zeroOffset = false; // an offset field of 0 instead of the pixels' place
};

// The picture every variant holds (208 x 48): solid runs, two-colour runs, scattered
// colours, a stretch of colour 0 inside each row and rows of colour 0 (y % 16 == 5),
// which the RLE variants leave out with moves.
int VariantPictureColour(int x, int y);
constexpr int kVariantPictureHeight = 48;

Bytes BuildBitmapVariant(const BitmapVariant& variant);

}  // namespace testing_support
