#include "graphics/attribute_marks.h"

#include "editing/slope_codec.h"

namespace mosalind {

AttributeMarks AttributeMarksOf(const TileSet& tileSet, int tile) {
    AttributeMarks marks;
    marks.TileType = tileSet.TileAttributes[0][tile];
    for (int side = 0; side < 4; ++side) {
        const std::int16_t sideWord = tileSet.TileAttributes[side + 1][tile];
        AttributeMarks::Side& mark = marks.Sides[side];
        mark.BlockingKind = sideWord & 3;
        // Levels a side without slope would leave as they are do not matter here: such a
        // side draws no line.
        const SideSlope slope = DecodeSideSlope(sideWord, 0, 0);
        mark.Sloped = slope.CarriesSlope;
        mark.SlopeLeft = slope.Left;
        mark.SlopeRight = slope.Right;
    }
    return marks;
}

}  // namespace mosalind
