#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "document/tile_set.h"

namespace mosalind {

// A side word holds the side's blocking kind in bits 0-1 and the tile's slope in bits 2-7:
// bit 7 "this side carries it", bit 6 rising, bits 4-5 steepness (0: 4 levels, 1: 2 levels,
// 2: 1 level), bits 2-3 the start level (the left level, or the left level minus 1 for a
// rising slope). Slope levels run from 0 (top edge of the tile) to 4 (bottom edge), a
// quarter of the tile height apart.
constexpr int kLowestSlopeLevel = 4;
constexpr std::uint8_t kSlopeCarriedBit = 128;
constexpr int kTileSides = 4;  // top, right, bottom, left
constexpr int kTopSide = 0;
constexpr int kRightSide = 1;
constexpr int kBottomSide = 2;
constexpr int kLeftSide = 3;

// The slope byte for a (left, right) level pair, or nothing when the pair has no
// encoding: equal levels, levels 3 apart, a level outside 0 to 4.
std::optional<std::uint8_t> EncodeSlope(int left, int right);

// A side word after SET SLOPE: its blocking kind kept, its slope bits replaced by
// `slopeByte` when the side carries the slope and cleared otherwise.
std::int16_t WithSlope(std::int16_t sideWord, bool carriesSlope, std::uint8_t slopeByte);

// A side word with its blocking kind (bits 0-1) replaced; the slope bits 2-7 stay.
std::int16_t WithBlockingKind(std::int16_t sideWord, int kind);

// What showing one side word does to the side box and the pending levels.
struct SideSlope {
    bool CarriesSlope = false;  // the side box is checked
    int Left = 0;               // the pending levels afterwards
    int Right = 0;
};

// Decodes a side word; a side without slope leaves the levels as they were. Slope kinds
// 3 and 7 (never written by the editor) set the left level and keep the right one.
SideSlope DecodeSideSlope(std::int16_t sideWord, int left, int right);

// The (left, right) levels a side word's slope says, when it says any: bit 7 set and bits
// 2-6 decoding to a pair of levels whose encoding gives those very bits back. Nothing for
// a side without slope, and for bits no slope is encoded as (kinds 3 and 7, a level
// outside 0 to 4), which the slope editor shows only in part.
struct SlopeLevels {
    int Left = 0;
    int Right = 0;

    bool operator==(const SlopeLevels&) const = default;
};
std::optional<SlopeLevels> ReadableSlope(std::int16_t sideWord);

// A straight line in a tile's own pixels: x and y from 0 (the top left corner) to
// kTileEdge (the far edges), y down.
constexpr int kTileEdge = 16;
struct TileLine {
    int X1 = 0;
    int Y1 = 0;
    int X2 = 0;
    int Y2 = 0;

    bool operator==(const TileLine&) const = default;
};

// One side of a tile as the game reads it: how it blocks and the slope it carries.
struct SideCollision {
    int Blocking = 0;                  // the blocking kind, 0 (nothing) to 3
    std::optional<SlopeLevels> Slope;  // the slope the side carries, when its bits say one
    // Whatever else the side word holds (bits 2-15 that encode no slope, as a file written
    // by other means may have), kept so that writing the side gives the very word back.
    std::int16_t OtherBits = 0;

    static SideCollision FromWord(std::int16_t sideWord);
    std::int16_t Word() const;

    // Slope bits 2-7 that encode no slope (kinds 3 and 7, an end outside the tile); 0 for a
    // side with a readable slope or none.
    int UnreadableSlopeBits() const;

    // Whether the slope editor shows the side as carrying a slope (its box checked): bit 7
    // set, readable or not.
    bool ShowsSlope() const;
    // What showing the side does to the pending levels (left, right) of the slope editor.
    SideSlope Shown(int left, int right) const;
    // The slope's line from the left edge to the right edge, for a side that ShowsSlope():
    // levels as the slope editor shows them, kept within the tile, kTileEdge / 4 apart.
    TileLine SlopeLine() const;

    // The same side seen in a mirror: the slope's levels swapped; bits that encode no slope
    // stay as they are.
    SideCollision Mirrored() const;
    // The same side upside down: each slope level measured from the other edge (level L
    // becomes 4 - L); bits that encode no slope stay as they are.
    SideCollision UpsideDown() const;

    bool operator==(const SideCollision&) const = default;
};

// A tile's collision: its four sides, top, right, bottom and left.
struct TileCollision {
    std::array<SideCollision, kTileSides> Sides{};

    static TileCollision FromWords(const std::array<std::int16_t, kTileSides>& sideWords);
    std::array<std::int16_t, kTileSides> Words() const;

    // The tile mirrored left to right: the left and right sides swapped, every slope reversed.
    TileCollision Mirrored() const;
    // The tile turned upside down: the top and bottom sides swapped, every slope's levels
    // measured from the other edge (a ground slope becomes the ceiling of the same art
    // flipped).
    TileCollision UpsideDown() const;

    // Whether any side blocks (a blocking kind, or a slope shown), and whether any carries a
    // readable slope.
    bool BlocksAnything() const;
    bool CarriesSlope() const;

    bool operator==(const TileCollision&) const = default;

private:
    // Every side turned by `turnSide`, and `side` swapped with `opposite`.
    TileCollision Turned(SideCollision (SideCollision::*turnSide)() const, int side, int opposite) const;
};

// The collision of `tile`; a tile outside the tables has none. (A tile's TileValues hold
// the same side words: TileCollision::FromWords(values.Sides).)
TileCollision ReadTileCollision(const TileSet& set, int tile);

// Stores `collision` as the side words of `tile`; a tile outside the tables is left alone.
void WriteTileCollision(TileSet& set, int tile, const TileCollision& collision);

}  // namespace mosalind
