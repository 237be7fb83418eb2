#include "editing/tile_type_list.h"

namespace mosalind {

std::int16_t TileTypeForRow(int row, int rowCount) {
    if (row == rowCount - 1) {
        return kForegroundTileType;
    }
    if (row == rowCount - 2) {
        return kMaskedTileType;
    }
    if (row >= 0 && row <= kLastNumberedTileType) {
        return static_cast<std::int16_t>(row);
    }
    return 0;
}

int RowForTileType(std::int16_t tileType, int rowCount) {
    if (tileType == kForegroundTileType) {
        return rowCount - 1;
    }
    if (tileType == kMaskedTileType) {
        return rowCount - 2;
    }
    if (tileType >= 0 && tileType <= kLastNumberedTileType) {
        return tileType;
    }
    return 0;
}

bool IsListedTileType(std::int16_t tileType) {
    return (tileType >= 0 && tileType <= kLastNumberedTileType) || tileType == kMaskedTileType ||
           tileType == kForegroundTileType;
}

int BlockingKindForRow(int row) {
    return (row < 0 || row > 3) ? 0 : row;
}

int BlockingRowForSideWord(std::int16_t sideWord) {
    return SideCollision::FromWord(sideWord).Blocking;
}

}  // namespace mosalind
