#pragma once

#include <cstdint>
#include <vector>

#include "document/tile_set.h"
#include "graphics/tile_graphics.h"

namespace mosalind {

// The tiles in use, in increasing order, whose art (the cell their first frame shows) has
// exactly the pixels of `tile`'s art; for a tile whose cell the sheet lacks, the tiles
// showing that same cell number.
std::vector<std::int16_t> TilesWithSameArt(const TileSet& tileSet, const TileGraphics& graphics, int tile);

// The tiles in use, in increasing order, with `tile`'s type and four side words.
std::vector<std::int16_t> TilesWithSameValues(const TileSet& tileSet, int tile);

}  // namespace mosalind
