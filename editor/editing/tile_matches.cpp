#include "editing/tile_matches.h"

#include <algorithm>

#include "document/tile_values.h"
#include "graphics/cell_pixels.h"

namespace mosalind {

namespace {

int TilesInUse(const TileSet& tileSet) {
    return std::clamp<int>(tileSet.Header.TileCount, 0, kMaxTiles);
}

bool InSheet(const TileGraphics& graphics, int cell) {
    return cell >= 0 && cell < graphics.BMPTileCount;
}

}  // namespace

std::vector<std::int16_t> TilesWithSameArt(const TileSet& tileSet, const TileGraphics& graphics, int tile) {
    std::vector<std::int16_t> tiles;
    if (tile < 0 || tile >= TilesInUse(tileSet)) {
        return tiles;
    }
    const int cell = tileSet.TileFrames[0][tile];
    const bool inSheet = InSheet(graphics, cell);
    const auto art = inSheet ? CellPlaneBytes(graphics, cell) : decltype(CellPlaneBytes(graphics, 0)){};
    for (int other = 0; other < TilesInUse(tileSet); ++other) {
        const int otherCell = tileSet.TileFrames[0][other];
        const bool same =
            inSheet ? InSheet(graphics, otherCell) && (otherCell == cell || CellPlaneBytes(graphics, otherCell) == art)
                    : otherCell == cell;
        if (same) {
            tiles.push_back(static_cast<std::int16_t>(other));
        }
    }
    return tiles;
}

std::vector<std::int16_t> TilesWithSameValues(const TileSet& tileSet, int tile) {
    std::vector<std::int16_t> tiles;
    if (tile < 0 || tile >= TilesInUse(tileSet)) {
        return tiles;
    }
    const TileValues values = ReadTileValues(tileSet, tile);
    for (int other = 0; other < TilesInUse(tileSet); ++other) {
        const TileValues otherValues = ReadTileValues(tileSet, other);
        if (otherValues.TileType == values.TileType && otherValues.Sides == values.Sides) {
            tiles.push_back(static_cast<std::int16_t>(other));
        }
    }
    return tiles;
}

}  // namespace mosalind
