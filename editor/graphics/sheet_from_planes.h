#pragma once

#include <span>

#include "graphics/bitmap_reader.h"
#include "graphics/tile_graphics.h"

namespace mosalind {

// The tile sheet whose cells `graphics` holds in planes, in `palette`'s colours (16 entries
// are kept; missing ones are black): the bitmap that CutTiles cuts into exactly these
// planes. Throws RefusedError when the cells are not whole rows of 13, or none.
Bitmap SheetFromPlanes(const TileGraphics& graphics, std::span<const BMPPaletteEntry> palette);

}  // namespace mosalind
