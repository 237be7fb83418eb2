#include "editing/attribute_marks.h"

#include "editing/slope_codec.h"

namespace mosalind {

AttributeMarks AttributeMarksOf(const TileSet& tileSet, int tile) {
    std::array<std::int16_t, 4> sideWords{};
    for (int side = 0; side < 4; ++side) {
        sideWords[side] = tileSet.TileAttributes[side + 1][tile];
    }
    return AttributeMarksOf(tileSet.TileAttributes[0][tile], sideWords);
}

AttributeMarks AttributeMarksOf(std::int16_t tileType, const std::array<std::int16_t, 4>& sideWords) {
    AttributeMarks marks;
    marks.TileType = tileType;
    for (int side = 0; side < 4; ++side) {
        const std::int16_t sideWord = sideWords[side];
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
