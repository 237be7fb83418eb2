#pragma once

#include <array>
#include <cstdint>

#include "document/tile_collision.h"
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
        TileLine SlopeLine;  // the line in the tile's pixels, its ends within the tile
    };
    std::array<Side, 4> Sides{};  // top, right, bottom, left
    int TileType = 0;             // 0 draws no number
};

// The marks of a tile type and a tile's collision.
AttributeMarks AttributeMarksOf(std::int16_t tileType, const TileCollision& collision);

// The marks of `tile`, which must be below kMaxTiles.
AttributeMarks AttributeMarksOf(const TileSet& tileSet, int tile);

// What each pixel of a tile's 16 x 16 cell shows of the overlay; the window gives each a
// colour. Nothing is ever drawn on the cell's outermost ring of pixels, so that the marks
// of two neighbouring tiles stay at least two pixels apart and each reads as its own
// tile's, and the ring is left to the selection's outline.
enum class MarkInk : std::uint8_t {
    None,
    Outline,  // the dark line beside a bar and around a slope line
    Blocking1,
    Blocking2,
    Blocking3,
    Slope,
    NumberInk,  // the type's glyphs on their plate
    NumberPaper,
    SuggestionLight,  // a suggestion's dashes and corner
    SuggestionDark,
    LearnedCorner,  // the corner of a suggestion learned from a tile done
};

struct MarkPicture {
    static constexpr int kSize = 16;
    std::array<MarkInk, kSize * kSize> Pixels{};

    MarkInk At(int x, int y) const { return Pixels[static_cast<std::size_t>(y * kSize + x)]; }
};

// The stored values: a bar two pixels wide in the blocking kind's colour along each blocking
// side with a dark line on its inner edge, each slope line (from one pixel inside the left
// edge to one inside the right, levels 0 to 4 a quarter of the inner rows apart) over a dark
// outline, the type's number on a dark plate at the top left.
MarkPicture StoredMarksPicture(const AttributeMarks& marks);

// What the art suggests for a tile whose values differ: a white corner at the top right,
// and the suggested blocking sides and slope lines dashed light and dark, two pixels each,
// so that they read at 1x.
// A suggestion learned from a tile done has a green corner instead of the white one.
MarkPicture SuggestedMarksPicture(const AttributeMarks& marks, bool learned = false);

}  // namespace mosalind
