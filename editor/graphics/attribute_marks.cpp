#include "graphics/attribute_marks.h"

namespace mosalind {

AttributeMarks AttributeMarksOf(const TileSet& tileSet, int tile) {
    return AttributeMarksOf(tileSet.TileAttributes[0][tile], ReadTileCollision(tileSet, tile));
}

AttributeMarks AttributeMarksOf(std::int16_t tileType, const TileCollision& collision) {
    AttributeMarks marks;
    marks.TileType = tileType;
    for (int side = 0; side < kTileSides; ++side) {
        const SideCollision& sideCollision = collision.Sides[side];
        AttributeMarks::Side& mark = marks.Sides[side];
        mark.BlockingKind = sideCollision.Blocking;
        mark.Sloped = sideCollision.ShowsSlope();
        if (mark.Sloped) {
            // Levels a side without slope would leave as they are do not matter here: such
            // a side draws no line.
            const SideSlope slope = sideCollision.Shown(0, 0);
            mark.SlopeLeft = slope.Left;
            mark.SlopeRight = slope.Right;
            mark.SlopeLine = sideCollision.SlopeLine();
        }
    }
    return marks;
}

}  // namespace mosalind
