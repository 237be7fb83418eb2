// PNG files of a sheet picture, written with libpng's writer (never with the editor's
// code): indexed at any bit depth, interlaced or not, and the greyscale and true-colour
// kinds a sheet must not be.
#pragma once

#include "dev_support/le_bytes.h"
#include "dev_support/sheet_picture.h"

namespace dev_support {

// What EncodePng writes. The defaults are a 4-bit indexed PNG written with libpng's defaults.
struct PngLayout {
    int ColourType = 3;            // 0 grey, 2 RGB, 3 palette, 4 grey and alpha, 6 RGB and alpha
    int BitDepth = 4;              // 1, 2, 4 or 8 (8 for every type but the palette)
    bool Interlaced = false;       // Adam7
    int CompressionLevel = -1;     // zlib's 0 to 9; -1: libpng's default
    bool EveryFilter = false;      // libpng picks each row's filter among all five (else its default)
    bool AncillaryChunks = false;  // gamma, sRGB, a text and (indexed) the first three entries' alpha
};

// An indexed PNG's PLTE holds the picture's whole palette, and its pixels are the indices
// as they are (past the palette too). The other types show each pixel's palette colour,
// greyscale as (index mod 16) x 17, every pixel opaque. Throws std::runtime_error when
// libpng cannot write the picture.
Bytes EncodePng(const SheetPicture& picture, const PngLayout& layout = {});

}  // namespace dev_support
