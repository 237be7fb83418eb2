#pragma once

#include <cstdint>

namespace mosalind {

// The tile sheet and the tile bitmap are grids of 16 x 16 pixel cells, 13 to a row:
// cell n lies at ((n mod 13) x 16, (n div 13) x 16).
constexpr int kCellSize = 16;
constexpr int kCellsPerRow = 13;

struct CellOrigin {
    int Left = 0;
    int Top = 0;
};

inline CellOrigin CellOriginOf(std::int16_t cell) {
    return {(cell % kCellsPerRow) * kCellSize, (cell / kCellsPerRow) * kCellSize};
}

}  // namespace mosalind
