#pragma once

#include <cstdint>

#include "document/tile_set.h"

namespace mosalind {

// Fills a new tile set: FrameCount, PlaneSize from the bitmap's pixel size, the offsets,
// all attributes of the tiles in use 0, and every frame of tile t on cell t, wrapping
// after the bitmap's last cell. Throws RefusedError, leaving `tileSet` unchanged, for a
// tile count outside 1 to 1201, a frame count other than 4 or 8, a bitmap without a whole
// row of cells, or a plane size that does not fit 16 bits.
void FillNewTileSet(TileSet& tileSet, std::int16_t tileCount, std::int16_t frameCount, std::int32_t bitmapWidth,
                    std::int32_t bitmapHeight);

}  // namespace mosalind
