#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <vector>

#include "document/tile_set.h"
#include "graphics/cell_pixels.h"
#include "graphics/tile_graphics.h"

namespace mosalind {

// The colours that count as nothing there (sky, background): bit c for colour c. A pixel
// of any other colour is solid.
using EmptyColours = std::bitset<16>;

// The one colour that fills the most cells made of that colour alone (the lowest of equals),
// or colour 0 when no cell is of one colour.
EmptyColours DefaultEmptyColours(const TileGraphics& graphics);

// The side words (top, right, bottom, left) a cell's art suggests, blocking kind 1 or 0:
//  - ground slope: every column empty down to its surface (its first solid row, 16 when
//    it has none) and at least 7/8 solid from there to the bottom; the least-squares line
//    through the sixteen surfaces (column x at x + 0.5), at x = 0 and x = 16, divided by 4
//    and rounded, gives levels (L, R). When they are a pair a slope can hold, both ends lie
//    within 1.5 pixels of 4L and 4R and no surface lies more than 2 pixels from the line,
//    the top side blocks and carries that slope. A flat surface is no slope.
//  - ceiling slope: the same upside down (every column solid from the top to its lowest
//    solid row, at least 7/8 of it, empty below): the bottom side blocks and carries it.
//  - every other side blocks when at least 12 of its 16 edge pixels are solid.
std::array<std::int16_t, 4> SidesFromArt(const CellPixels& art, const EmptyColours& empty);

// Whether a tile is blank: its type and four side words 0.
bool IsBlankTile(const TileSet& tileSet, int tile);

// What the rules suggest for one tile: a tile type and four side words.
struct TileSuggestion {
    std::int16_t TileType = 0;
    std::array<std::int16_t, 4> Sides{};

    bool operator==(const TileSuggestion&) const = default;
};

// The suggestion for every tile in use, by tile number; nothing for a tile whose art (the
// cell its first frame shows) the graphics do not have. A blank tile (type 0, side words
// 0) whose art has exactly the pixels of a tile that is not blank gets that tile's type
// and side words (the lowest-numbered such tile). Any other tile keeps its type and gets
// the side words of its art, except that a side the art makes blocking keeps a stored
// blocking kind of 2 or 3 (slippery, icy): pixels cannot tell ice from stone. Frames are
// never suggested.
std::vector<std::optional<TileSuggestion>> SuggestTiles(const TileSet& tileSet, const TileGraphics& graphics,
                                                        const EmptyColours& empty);

// Whether the tile's stored type and side words differ from the suggestion.
bool DiffersFromSuggestion(const TileSet& tileSet, int tile, const TileSuggestion& suggestion);

// The tiles in use whose values differ from their suggestion, in increasing order.
std::vector<std::int16_t> TilesDifferingFromSuggestions(const TileSet& tileSet,
                                                        const std::vector<std::optional<TileSuggestion>>& suggestions);

}  // namespace mosalind
