#pragma once

#include <array>
#include <cstdint>

#include "document/tile_set.h"

namespace mosalind {

// Everything the document holds for one tile: its tile type, the side words of the top,
// right, bottom and left sides, and the bitmap cell of each of the eight frames. An edit
// of the history saves these values before and after, so that undoing it puts back the
// very words the file would have had.
struct TileValues {
    std::int16_t TileType = 0;
    std::array<std::int16_t, 4> Sides{};
    std::array<std::int16_t, kMaxFrames> Frames{};

    bool operator==(const TileValues&) const = default;
};

// The values of `tile`; a tile outside the tables reads as all zero.
TileValues ReadTileValues(const TileSet& set, int tile);

// Stores `values` as the values of `tile`; a tile outside the tables is left alone.
void WriteTileValues(TileSet& set, int tile, const TileValues& values);

}  // namespace mosalind
