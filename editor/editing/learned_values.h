#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <vector>

#include "document/tile_set.h"
#include "graphics/cell_pixels.h"

namespace mosalind {

// Values learned from the tiles the user has done: a blank tile whose art is like the art
// of a done tile takes that tile's values, adjusted to its own art.

// The blank tiles the user has done (given "nothing" by hand, say), by tile number. A tile
// with values is done whatever this says.
using DoneTiles = std::bitset<kMaxTiles>;

bool IsDoneTile(const TileSet& tileSet, const DoneTiles& doneBlank, int tile);

// One cell's art as learning compares it: the solid pixels (row y in Rows[y], pixel x in
// bit x) as drawn and mirrored left to right, and the share of each colour among the solid
// pixels, in 1/256ths of them (all 0 for a cell with nothing solid).
struct ArtLikeness {
    std::array<std::uint16_t, 16> Rows{};
    std::array<std::uint16_t, 16> MirroredRows{};
    std::array<std::int16_t, 16> ColourShares{};
    int SolidPixels = 0;
};

// `solid` marks the colours that count (the others are empty).
ArtLikeness LikenessOf(const CellPixels& art, const std::bitset<16>& solid);

// How unlike `blank`'s art is to `done`'s, in pixels (0 for the same art): the solid
// pixels that differ, with `done`'s art mirrored when `mirrored`, and moved up or down by
// `shift` rows (the rows moved in repeat its edge row), plus half the summed difference of
// the colour shares (0 to 256).
int ArtDistance(const ArtLikeness& blank, const ArtLikeness& done, bool mirrored, int shift);

// Art is like enough to learn from when its solid pixels differ from a done tile's in at
// most kMaskLikeEnough pixels (half the tile) and its colour shares by at most
// kColoursLikeEnough (a quarter of them), kLikeEnough in all. Measured over 900 tiles of a
// game's own art with one in ten done: the nearest done tile's kind is the tile's own on
// 71 % of them; bounding the colours' share at a quarter keeps the rules for the tiles
// learning would get wrong (74 % agree; a bound at 1/8 or 3/8, or on the sum alone, 72 %).
constexpr int kMaskLikeEnough = 128;
constexpr int kColoursLikeEnough = 64;
constexpr int kLikeEnough = kMaskLikeEnough + kColoursLikeEnough;

// The done tile a blank tile's art is most like, when one is like enough.
struct LikeTile {
    std::int16_t Tile = -1;
    bool Mirrored = false;
    int Distance = 0;
    std::size_t Index = 0;  // of the example
};

// The done tiles' art, ready to be compared with blank tiles' art.
class LearnedExamples {
public:
    // One example a different art among `tiles` (done tiles with art; the lowest-numbered
    // tile of the same pixels first), `carriesSlope` telling whose values carry a slope
    // (only those are also tried moved up and down, by one and two levels), `blocks`
    // whose values block anything.
    void Add(std::int16_t tile, const ArtLikeness& art, bool carriesSlope, bool blocks);
    bool Empty() const { return examples_.empty(); }

    // The nearest example to `art` (the same art unmirrored when there is one, else the
    // lowest distance, the lower tile first), when it is like enough. For art the rules
    // see a slope in (`sloped`), whose surface is its own, the examples that carry a slope
    // come first, compared by their colours alone, within kLikeEnough (mirrored when the art is nearer the
    // example's mirrored art), unless the nearest example blocks nothing.
    std::optional<LikeTile> Nearest(const ArtLikeness& art, bool sloped = false) const;

private:
    struct Example {
        std::int16_t Tile;
        ArtLikeness Art;
        bool CarriesSlope;
        bool Blocks;
    };
    std::vector<Example> examples_;
};

// Side words (top, right, bottom, left) mirrored left to right: the right and left sides
// swap and every slope runs the other way (levels (L, R) become (R, L)).
std::array<std::int16_t, 4> MirroredSides(const std::array<std::int16_t, 4>& sides);

// A done tile's side words as a blank tile like it takes them: mirrored when its art is
// mirrored. When the blank tile's own art has a slope (`ownSides`, what the rules make of
// it), a done tile's slope gives way to it: the art's slope on the art's side, with the
// blocking kind the done tile has there, else that of its sloped side (a surface higher,
// lower or upside down gets its own levels). A done tile without slope gives the art's
// slope to a side it blocks.
std::array<std::int16_t, 4> LearnedSides(const std::array<std::int16_t, 4>& doneSides, bool mirrored,
                                         const std::array<std::int16_t, 4>& ownSides);

}  // namespace mosalind
