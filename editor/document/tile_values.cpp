#include "document/tile_values.h"

namespace mosalind {

namespace {

bool InTables(int tile) {
    return tile >= 0 && tile < kMaxTiles;
}

}  // namespace

TileValues ReadTileValues(const TileSet& set, int tile) {
    TileValues values;
    if (!InTables(tile)) {
        return values;
    }
    values.TileType = set.TileAttributes[0][tile];
    for (int side = 0; side < 4; ++side) {
        values.Sides[side] = set.TileAttributes[side + 1][tile];
    }
    for (int frame = 0; frame < kMaxFrames; ++frame) {
        values.Frames[frame] = set.TileFrames[frame][tile];
    }
    return values;
}

void WriteTileValues(TileSet& set, int tile, const TileValues& values) {
    if (!InTables(tile)) {
        return;
    }
    set.TileAttributes[0][tile] = values.TileType;
    for (int side = 0; side < 4; ++side) {
        set.TileAttributes[side + 1][tile] = values.Sides[side];
    }
    for (int frame = 0; frame < kMaxFrames; ++frame) {
        set.TileFrames[frame][tile] = values.Frames[frame];
    }
}

}  // namespace mosalind
