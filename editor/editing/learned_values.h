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

// How the rules read a tile's side words, coarsely: the sides that block (bit 0 top to bit 3
// left), or kGroundSlopeReading / kCeilingSlopeReading for a slope on the top or bottom.
constexpr int kGroundSlopeReading = 16;
constexpr int kCeilingSlopeReading = 17;
int ArtReading(const std::array<std::int16_t, 4>& sides);

// The pairs of neighbouring pixels (side by side, one above the other) a cell has by their
// two colours, all empty colours taken as one: 17 x 18 / 2 unordered pairs a direction.
constexpr int kColourClasses = 17;
constexpr int kPairKinds = kColourClasses * (kColourClasses + 1) / 2;
constexpr int kPairBins = 2 * kPairKinds;
constexpr int kCellPairs = 2 * 16 * 15;  // 480 neighbouring pairs in a cell

// How art is turned to be compared: mirrored left to right, upside down, or both.
struct ArtTurn {
    bool Mirrored = false;
    bool UpsideDown = false;
    bool operator==(const ArtTurn&) const = default;
};

// The four ways art is compared, as drawn first (so that symmetric art is seen as drawn).
constexpr std::array<ArtTurn, 4> kArtTurns{{{false, false}, {true, false}, {false, true}, {true, true}}};

// One cell's art as learning compares it: the solid pixels (row y in Rows[y], pixel x in
// bit x) as drawn and mirrored left to right, each pixel's colour class (0 empty, 1 + its
// colour otherwise; row by row), how many of its neighbouring pixel pairs show each two
// colours (its texture: the same however the art is mirrored or moved), how many pixels
// of each solid colour it has, and how the rules read it turned each of the kArtTurns ways
// (ArtReading of its side words turned; Readings[0] as drawn).
struct ArtLikeness {
    std::array<std::uint16_t, 16> Rows{};
    std::array<std::uint16_t, 16> MirroredRows{};
    std::array<std::uint8_t, 16 * 16> Classes{};
    std::array<std::uint8_t, kPairBins> Pairs{};
    std::array<std::uint16_t, 16> Shares{};  // the solid colours' pixel counts, most first
    std::bitset<16> Used;                    // the solid colours
    int SolidPixels = 0;
    std::array<int, kArtTurns.size()> Readings{};
};

// `solid` marks the colours that count (the others are empty); `sides` are the side words
// the rules give the art.
ArtLikeness LikenessOf(const CellPixels& art, const std::bitset<16>& solid,
                       const std::array<std::int16_t, 4>& sides = {});

// How unlike `blank`'s art is to `done`'s (0 for the same art): half the sum of the
// neighbouring pixel pairs' differing counts (0 to 960: the pairs that differ in their
// colours) and of the solid pixels that differ, plus kOtherReading when the rules read the
// two differently, `done`'s art turned (mirrored, upside down or both) when that is nearer.
// The same drawing in other colours (a door, a key or a gem drawn once a colour) is as near
// as the pixels that differ once each colour is taken for the one it stands for, plus the
// reading's kOtherReading: see kRecolouredPixels. Art with nothing solid and
// art with something solid are 960 apart: an empty cell is never like a drawing.
int ArtDistance(const ArtLikeness& blank, const ArtLikeness& done);

// Art is like enough to learn from within two fifths of a cell's pairs, the rules' other
// reading counted as kOtherReading (a twentieth) more. Measured over 900 tiles of a game's
// own art with one in ten done: the nearest done tile by the pairs has the tile's own kind
// on 79 % of them, by the solid mask and the colours' shares on 74 %; learning within two
// fifths gives 76 % of the tiles the game's own collision (a third: 74 %, all of them:
// 77 %, but then on a set with one tile of each kind done, tiles too unlike anything done
// lose the rules' reading).
constexpr int kLikeEnough = 2 * kCellPairs / 5;
constexpr int kOtherReading = kCellPairs / 20;
// Art is the same drawing in other colours when its solid pixels differ from the other's
// in at most kRecolouredPixels, and so do its pixels' colours once each colour of either
// art is read as the colour of the other it most often covers; both arts drawn in at least
// kRecolouredColours solid colours (a fill of one or two colours shows no drawing to know
// again). A sixty-fourth of the cell: an outline a pixel longer or a highlight moved.
constexpr int kRecolouredPixels = 4;
constexpr std::size_t kRecolouredColours = 3;
// A done tile that blocks nothing takes the place of a slope the rules see in the art only
// when the two are alike within a quarter of the pairs: decoration drawn like it (foliage,
// a rounded bush) passes, a slope merely sharing its colours keeps its own.
constexpr int kAlikeOverSlope = kCellPairs / 4;

// The done tile a blank tile's art is most like, when one is like enough.
struct LikeTile {
    std::int16_t Tile = -1;
    ArtTurn Turn;             // of the done tile's art, to look like the blank tile's
    bool Recoloured = false;  // the same drawing in other colours
    int Distance = 0;
    std::size_t Index = 0;  // of the example
};

// The done tiles' art, ready to be compared with blank tiles' art.
class LearnedExamples {
public:
    // One example a different art among `tiles` (done tiles with art; the lowest-numbered
    // tile of the same pixels first), `carriesSlope` telling whose values carry a slope,
    // `blocks` whose values block anything.
    void Add(std::int16_t tile, const ArtLikeness& art, bool carriesSlope, bool blocks);
    bool Empty() const { return examples_.empty(); }

    // The nearest example to `art` by ArtDistance (the lower tile of equals), when it is
    // within kLikeEnough, with the turn of the example's art that comes nearest: mirrored or
    // not, and upside down only for an example whose values carry a slope (a ceiling slope
    // is drawn as the ground slope turned over; other art turned over is seldom the same
    // thing, and flat art alike either way would carry the top's values to the bottom).
    std::optional<LikeTile> Nearest(const ArtLikeness& art) const;
    // The nearest example whose values carry a slope, however far: the set's convention for
    // art the rules see a slope in (its blocking kinds and type, the art's own levels).
    std::optional<LikeTile> NearestWithSlope(const ArtLikeness& art) const;
    bool CarriesSlope(const LikeTile& like) const { return examples_[like.Index].CarriesSlope; }
    bool Blocks(const LikeTile& like) const { return examples_[like.Index].Blocks; }

private:
    std::optional<LikeTile> NearestOf(const ArtLikeness& art, int bound, bool withSlope) const;

    struct Example {
        std::int16_t Tile;
        ArtLikeness Art;
        bool CarriesSlope;
        bool Blocks;
    };
    std::vector<Example> examples_;
};

// Side words (top, right, bottom, left) as the art's turn turns them: mirrored, the right
// and left sides swap and every slope runs the other way (levels (L, R) become (R, L));
// upside down, the top and bottom sides swap and every level L becomes 4 - L.
std::array<std::int16_t, 4> TurnedSides(const std::array<std::int16_t, 4>& sides, ArtTurn turn);

// A done tile's side words as a blank tile like it takes them: turned as its art is turned.
// When the blank tile's own art has a slope (`ownSides`, what the rules make of it), a done
// tile's slope gives way to it: the art's slope on the art's side, with the blocking kind
// the done tile has there, else that of its sloped side (a surface higher, lower or upside
// down gets its own levels). A done tile without slope gives the art's slope to a side it
// blocks.
std::array<std::int16_t, 4> LearnedSides(const std::array<std::int16_t, 4>& doneSides, ArtTurn turn,
                                         const std::array<std::int16_t, 4>& ownSides);

}  // namespace mosalind
