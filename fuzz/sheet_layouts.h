// Every layout the editor reads a tile sheet in, one each, for dev_support's BMP and PNG
// writers: the bitmap and png fuzz targets re-encode every sheet they decode in each, and
// the seed generator writes one file per layout.
#pragma once

#include <vector>

#include "dev_support/bmp_writer.h"
#include "dev_support/png_writer.h"

namespace fuzzing {

struct SheetLayout {
    const char* Name;
    dev_support::BmpLayout Layout;
};

const std::vector<SheetLayout>& SheetLayouts();

struct PngSheetLayout {
    const char* Name;
    dev_support::PngLayout Layout;
    int PaletteEntries;  // PLTE's length; 0: all the depth can index, at most 16
};

// Every kind of indexed PNG the editor reads, each bit depth, interlaced, short and long
// palettes, ancillary chunks; each lets libpng pick every row's filter.
const std::vector<PngSheetLayout>& PngSheetLayouts();

// Whether every index of the picture fits the layout's bit depth.
bool PngLayoutFits(const dev_support::SheetPicture& picture, const PngSheetLayout& layout);

// The picture with the layout's palette: its first entries, past 16 a grey ramp.
dev_support::SheetPicture WithPngPalette(dev_support::SheetPicture picture, const PngSheetLayout& layout);

}  // namespace fuzzing
