#pragma once

#include <bitset>
#include <cstdint>
#include <vector>

#include "document/tile_set.h"

namespace mosalind {

// The tiles chosen on the tile sheet for an edit that writes many at once, with the
// current tile (the one the controls show) and the anchor (the tile clicked or reached
// last without Shift, one corner of every Shift rectangle). Rectangles are taken on the
// sheet's grid of 13 tiles to a row.
class TileSelection {
public:
    enum class Click {
        Plain,   // the clicked tile alone
        Extend,  // Shift: the rectangle from the anchor to the clicked tile
        Toggle,  // Ctrl: the clicked tile added or removed
        Add,     // Ctrl+Shift: the rectangle added to what is selected
        Run,     // Alt+Shift: the tiles from the anchor to the clicked one in reading order
    };
    enum class Move { Left, Right, Up, Down, PageUp, PageDown, First, Last };

    // A tile set of `tileCount` tiles, of which the sheet shows the first `shownCount`
    // (its whole rows): tile 0 alone is selected and current.
    void Reset(int tileCount, int shownCount);

    // A click on `tile` of the sheet; the tile becomes current, except when Ctrl takes it
    // out of the selection: the nearest selected tile (in reading order, of two as near
    // the one after it) becomes current then, so that the current tile is always selected.
    void ClickTile(int tile, Click kind);
    // Every tile of the set; the current tile and the anchor stay.
    void SelectAll();
    // Exactly `tiles` (those of the set); the current tile stays when it is one of them,
    // else the first becomes current and the anchor. Nothing changes when none is.
    void SelectTiles(const std::vector<std::int16_t>& tiles);
    // A key that moves the current tile among the shown tiles; `pageRows` rows make a
    // page. Without `extend` the tile reached is selected alone and becomes the anchor;
    // with it the rectangle from the anchor to that tile is selected. Returns whether a
    // tile could be reached (a sheet without shown tiles has none).
    bool MoveCurrent(Move move, bool extend, int pageRows);

    // Makes `tile` current when something other than the sheet chose it (an undo shows the
    // tile it changed): a tile outside the selection is then selected alone.
    void Follow(int tile);

    int Current() const { return current_; }
    int Anchor() const { return anchor_; }
    bool Contains(int tile) const { return tile >= 0 && tile < kMaxTiles && selected_.test(tile); }
    int Count() const { return static_cast<int>(selected_.count()); }
    // The selected tiles in increasing order.
    std::vector<std::int16_t> Tiles() const;

    bool operator==(const TileSelection&) const = default;

private:
    void SelectRectangle(int from, int to);
    int NearestSelected(int tile) const;

    std::bitset<kMaxTiles> selected_;
    int tileCount_ = 0;
    int shownCount_ = 0;
    int current_ = 0;
    int anchor_ = 0;
};

}  // namespace mosalind
