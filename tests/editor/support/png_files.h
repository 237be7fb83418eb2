// PNG files for the editor's tests, written with libpng's writer, without the editor's
// own code.
#pragma once

#include "common/temp_folder.h"
#include "support/test_files.h"

namespace testing_support {

struct PngPicture {
    int width = 208;
    int height = 48;
    int colourType = 3;       // 0 grey, 2 RGB, 3 palette, 4 grey and alpha, 6 RGB and alpha
    int bitDepth = 4;         // 1, 2, 4 or 8 (8 for every type but the palette)
    bool interlaced = false;  // Adam7
    int paletteEntries = 16;  // PLTE's length: TestPaletteColour(0) on
    PixelColour colour;       // the index of each pixel; other types get its palette colour
};

Bytes BuildPng(const PngPicture& picture);

}  // namespace testing_support
