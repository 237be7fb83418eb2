// The pictures of the editor's tests: a palette of sixteen clearly different colours and
// the patterns the tests paint with. dev_support writes them as BMP and PNG files, built
// from the formats themselves without the editor's own code.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "dev_support/bmp_writer.h"
#include "dev_support/png_writer.h"
#include "dev_support/temp_folder.h"

namespace testing_support {

// Colour index (0 to 15) of the pixel at (x, y), y counted from the top of the image.
using PixelColour = std::function<int(int x, int y)>;

// Entry `index` of the test palette (which repeats after 16 entries).
dev_support::PaletteEntry TestPaletteColour(int index);

// A picture painted with `colour` whose palette is the test palette's first `paletteEntries`.
dev_support::SheetPicture TestPicture(int width, int height, const PixelColour& colour, int paletteEntries = 16);

// A colour for every cell that differs from its neighbours: cell n painted with colour
// (n mod 15) + 1 in its left half and (n / 15) mod 16 in its right half.
int CellPatternColour(int x, int y);

// The picture of the layout tests (208 x 48): solid runs, two-colour runs, scattered
// colours, a stretch of colour 0 inside each row and rows of colour 0 (y % 16 == 5),
// which the RLE layouts leave out with moves.
int VariantPictureColour(int x, int y);
constexpr int kVariantPictureHeight = 48;
dev_support::SheetPicture VariantPicture();

// The tile numbers first to end - 1, as a selection lists them.
inline std::vector<std::int16_t> TileRange(int first, int end) {
    std::vector<std::int16_t> tiles;
    for (int tile = first; tile < end; ++tile) {
        tiles.push_back(static_cast<std::int16_t>(tile));
    }
    return tiles;
}

}  // namespace testing_support
