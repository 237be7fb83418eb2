#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/tile_set.h"
#include "editing/learned_values.h"
#include "graphics/cell_pixels.h"
#include "graphics/tile_graphics.h"

namespace mosalind {

class SheetFeatures;

// The colours that count as nothing there (sky, background): bit c for colour c. A pixel
// of any other colour is solid.
using EmptyColours = std::bitset<16>;

// The one colour that fills the most cells made of that colour alone (the lowest of equals),
// or colour 0 when no cell is of one colour: the sky.
EmptyColours DefaultEmptyColours(const TileGraphics& graphics);

// Why a colour counts as empty by default, when it does.
enum class EmptyBecause { NotEmpty, Sky, OnlyInPassingTiles };

// The default empty colours of a set on its sheet: the sky, and every colour that, of the
// done tiles' art (the cell each one's first frame shows), appears only in done tiles that
// block nothing (no side with a blocking kind or a slope).
std::array<EmptyBecause, 16> DefaultEmptyColours(const TileSet& tileSet, const TileGraphics& graphics,
                                                 const DoneTiles& doneBlank);
// The same from the features kept for the sheet.
std::array<EmptyBecause, 16> DefaultEmptyColours(const TileSet& tileSet, SheetFeatures& features,
                                                 const DoneTiles& doneBlank);
EmptyColours EmptyColoursOf(const std::array<EmptyBecause, 16>& reasons);

// The side words (top, right, bottom, left) a cell's art suggests, blocking kind 1 or 0:
//  - ground slope: the surface of each column is its first solid row from which down to
//    the bottom at least 7/8 is solid (a cap of tufts or snow above it does not count).
//    When at least 12 of the sixteen surfaces lie within 3 pixels of one line (fitted so
//    that a few stray columns cannot pull it, 1.5 pixels off on average at most), its rows
//    at the tile's edges, taken as the edge when at most 2 pixels past it, divided by 4
//    and rounded give the levels (levels 3 apart become 4 or 2 apart, by the line's own
//    height). A line falling or rising 14 pixels or more is the full-height slope of its
//    direction. A surface that is no line but goes one way only (a curve, a slope steeper
//    than the tile), by 6 pixels or more and never by more than half of that from one
//    column to the next, is the full-height slope when it changes by 12 pixels, or by 8
//    at over 1.4 pixels a column, else the 2-level slope from its highest end's level;
//    columns with no surface at its end counting as at the bottom, the full-height slope
//    it makes holds whatever line part of it makes (a quarter circle into a corner).
//    A surface that lies along the tile's top edge at one end (level ground the slope
//    comes up to) and slopes steadily on the rest, 7 columns or more, is the slope of that
//    part's line across the tile, from level 0 at the top edge: full height when the line
//    changes by 12 pixels or more, else by its change in levels.
//    The top side blocks and carries the slope. A flat surface is no slope, and so is one
//    that is no line and goes both ways (a bush, a rock pile), and one drawn in fewer than
//    half of the columns (a stone in a corner, sky over the rest). A cap over the body
//    (colours drawn within 2 pixels of the surface in half of the columns or more, three
//    in four of their pixels within half the tile's height under it: snow, ice, grass) is
//    not the surface: when the body under it makes a steeper slope of the same direction,
//    that is the slope.
//  - ceiling slope: the same upside down: the bottom side blocks and carries it.
//  - every other side blocks when in at least 12 of the 16 lines across its edge the solid
//    pixels come within 4 pixels (a level) of it, and at least 2/3 of the half of the tile
//    behind it is solid (1/2 for the top: a ledge a level deep): a body, not a trim, a
//    pole or foliage drawn up to the edge.
std::array<std::int16_t, 4> SidesFromArt(const CellPixels& art, const EmptyColours& empty);

// Whether a tile is blank: its type and four side words 0.
bool IsBlankTile(const TileSet& tileSet, int tile);

// What the rules suggest for one tile: a tile type and four side words, and where they
// come from: the art by the rules, or the values of a done tile whose art is like this
// one's (`Like`, mirrored, upside down, both or neither, or in other colours). Two suggestions are equal when they
// suggest the same values, wherever those come from.
struct TileSuggestion {
    std::int16_t TileType = 0;
    std::array<std::int16_t, 4> Sides{};
    std::int16_t Like = -1;
    bool Mirrored = false;
    bool UpsideDown = false;
    bool Recoloured = false;  // the done tile's drawing in other colours: its sides, not its type

    bool operator==(const TileSuggestion& other) const { return TileType == other.TileType && Sides == other.Sides; }
};

// Where a suggestion comes from, as the user reads it: "from the art: ground slope 4,0",
// "from the art: blocks top, left", "from the art: solid", "from the art: nothing blocks",
// "like tile 71", "like tile 71, mirrored", "like tile 71, upside down", "like tile 71,
// mirrored, upside down", "like tile 71, in other colours".
std::string SuggestionSource(const TileSuggestion& suggestion);

// The suggestion for every tile in use, by tile number; nothing for a tile whose art (the
// cell its first frame shows) the graphics do not have.
//  - A blank tile (type 0, side words 0) that is not done (`doneBlank`) and whose art has
//    exactly the pixels of a done tile gets that tile's type and side words (the
//    lowest-numbered such tile). With `learn`, one whose art is like a done tile's art
//    (ArtDistance within kLikeEnough, under `empty`, the rules' reading of both counted)
//    gets the nearest one's type (none from a drawing in other colours) and its side words
//    as LearnedSides adjusts them (a slope of its own art stays on a side the done tile
//    blocks); else the side words of its art.
//  - Any other tile keeps its type and gets the side words of its art, except that a side
//    the art makes blocking keeps a stored blocking kind of 2 or 3 (slippery, icy): pixels
//    cannot tell ice from stone.
// Frames are never suggested.
std::vector<std::optional<TileSuggestion>> SuggestTiles(const TileSet& tileSet, const TileGraphics& graphics,
                                                        const EmptyColours& empty, const DoneTiles& doneBlank = {},
                                                        bool learn = true);
// The same from the features kept for the sheet.
std::vector<std::optional<TileSuggestion>> SuggestTiles(const TileSet& tileSet, SheetFeatures& features,
                                                        const EmptyColours& empty, const DoneTiles& doneBlank = {},
                                                        bool learn = true);

// Whether the tile's stored type and side words differ from the suggestion.
bool DiffersFromSuggestion(const TileSet& tileSet, int tile, const TileSuggestion& suggestion);

// The tiles in use whose values differ from their suggestion, in increasing order.
std::vector<std::int16_t> TilesDifferingFromSuggestions(const TileSet& tileSet,
                                                        const std::vector<std::optional<TileSuggestion>>& suggestions);

}  // namespace mosalind
