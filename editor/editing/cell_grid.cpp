#include "editing/cell_grid.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "document/tile_set_file_layout.h"

namespace mosalind {
namespace {

std::optional<std::int32_t> RoundToInt32(float value) {
    const double rounded = std::nearbyint(static_cast<double>(value));
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() && rounded <= std::numeric_limits<std::int32_t>::max())) {
        return std::nullopt;  // also NaN
    }
    return static_cast<std::int32_t>(rounded);
}

}  // namespace

std::optional<std::int16_t> CellAtPixel(float x, float y) {
    const std::optional<std::int32_t> row = RoundToInt32(y);
    const std::optional<std::int32_t> column = RoundToInt32(x);
    if (!row || !column) {
        return std::nullopt;
    }
    const std::int64_t cell = static_cast<std::int64_t>(*row / kCellSize) * kCellsPerRow + *column / kCellSize;
    if (cell < std::numeric_limits<std::int16_t>::min() || cell > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(cell);
}

CellOrigin SelectionMarkerOrigin(std::int16_t cell) {
    const CellOrigin origin = CellOriginOf(cell);
    return {origin.Left - 2, origin.Top - 2};
}

std::optional<std::string> FrameCellRefusal(std::int16_t cell) {
    if (cell <= kHighestSavableCell) {
        return std::nullopt;
    }
    return "Cell " + std::to_string(cell) + " cannot be given to a frame: a tile set file keeps cells up to " +
           std::to_string(kHighestSavableCell);
}

std::optional<std::string> FrameRunRefusal(const std::vector<int>& cells, int sheetCells) {
    for (const int cell : cells) {
        if (cell > kHighestSavableCell) {
            return FrameCellRefusal(static_cast<std::int16_t>(std::min(cell, 32767)));
        }
        if (cell >= sheetCells) {
            return "Cell " + std::to_string(cell) + " cannot be given to a frame: the tile sheet's last cell is " +
                   std::to_string(sheetCells - 1);
        }
    }
    return std::nullopt;
}

std::string TileNumberText(std::int16_t tile) {
    return "Current Tile: " + std::to_string(tile);
}

std::string BitmapOffsetText(std::int16_t cell) {
    return "Offset in Bitmap: " + std::to_string(cell);
}

std::string FrameText(std::int16_t frame) {
    // A number is shown with the place of its sign: a space before a positive number.
    const int number = frame + 1;
    return "Current Frame: " + std::string(number < 0 ? "" : " ") + std::to_string(number);
}

}  // namespace mosalind
