#pragma once

#include <array>
#include <cstdint>

#include "document/tile_set.h"

namespace mosalind {

// What the attribute overlay shows of one tile on the tile sheet: a bar along every side
// whose blocking kind is not 0, the slope line of every side that carries a slope, and
// the tile type when it is not 0.
struct AttributeMarks {
    struct Side {
        int BlockingKind = 0;  // 0 to 3; 0 draws no bar
        bool Sloped = false;
        int SlopeLeft = 0;  // the line's levels, 0 (top edge) to 4 (bottom edge)
        int SlopeRight = 0;
    };
    std::array<Side, 4> Sides{};  // top, right, bottom, left
    int TileType = 0;             // 0 draws no number
};

// The marks of a tile type and four side words (top, right, bottom, left).
AttributeMarks AttributeMarksOf(std::int16_t tileType, const std::array<std::int16_t, 4>& sideWords);

// The marks of `tile`, which must be below kMaxTiles.
AttributeMarks AttributeMarksOf(const TileSet& tileSet, int tile);

}  // namespace mosalind
