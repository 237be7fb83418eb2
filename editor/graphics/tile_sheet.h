#pragma once

#include <memory>

#include "graphics/bitmap_reader.h"
#include "graphics/tile_graphics.h"

namespace mosalind {

// A loaded tile sheet: the pixels as read (BMPFileHeader, BMPInfoHeader, BMPPalette,
// BMPPixels) and every cell cut into planes (BMPTileCount, TilePlanes). Once made it never
// changes: a sheet read again is a new one, so whoever holds one (a view, a snapshot of
// the unsaved edits) shares it without copying.
struct TileSheet {
    Bitmap Pixels;
    TileGraphics Graphics;
};

using SharedSheet = std::shared_ptr<const TileSheet>;

}  // namespace mosalind
