#include "editing/tile_selection.h"

#include <algorithm>

#include "editing/cell_grid.h"

namespace mosalind {

void TileSelection::Reset(int tileCount, int shownCount) {
    tileCount_ = std::clamp(tileCount, 0, kMaxTiles);
    shownCount_ = std::clamp(shownCount, 0, tileCount_);
    selected_.reset();
    current_ = 0;
    anchor_ = 0;
    selected_.set(0);
}

void TileSelection::ClickTile(int tile, Click kind) {
    if (tile < 0 || tile >= tileCount_) {
        return;
    }
    switch (kind) {
        case Click::Plain:
            selected_.reset();
            selected_.set(tile);
            anchor_ = tile;
            break;
        case Click::Extend:
            selected_.reset();
            SelectRectangle(anchor_, tile);
            break;
        case Click::Toggle:
            anchor_ = tile;
            if (selected_.test(tile) && selected_.count() > 1) {
                // The current tile is always one of the selected: the nearest one left takes
                // its place. Taking out the last one leaves it selected, as a plain click.
                selected_.reset(tile);
                current_ = NearestSelected(tile);
                return;
            }
            selected_.set(tile);
            break;
        case Click::Add:
            SelectRectangle(anchor_, tile);
            break;
        case Click::Run:
            selected_.reset();
            for (int run = std::min(anchor_, tile); run <= std::max(anchor_, tile); ++run) {
                selected_.set(run);
            }
            break;
    }
    current_ = tile;
}

void TileSelection::SelectAll() {
    for (int tile = 0; tile < tileCount_; ++tile) {
        selected_.set(tile);
    }
}

void TileSelection::SelectTiles(const std::vector<std::int16_t>& tiles) {
    std::bitset<kMaxTiles> chosen;
    for (const std::int16_t tile : tiles) {
        if (tile >= 0 && tile < tileCount_) {
            chosen.set(tile);
        }
    }
    if (chosen.none()) {
        return;
    }
    selected_ = chosen;
    if (!selected_.test(current_)) {
        for (current_ = 0; !selected_.test(current_); ++current_) {
        }
        anchor_ = current_;
    }
}

bool TileSelection::MoveCurrent(Move move, bool extend, int pageRows) {
    if (shownCount_ <= 0) {
        return false;
    }
    const int page = std::max(1, pageRows) * kCellsPerRow;
    int target = current_;
    switch (move) {
        case Move::Left:
            target = current_ - 1;
            break;
        case Move::Right:
            target = current_ + 1;
            break;
        case Move::Up:
            target = current_ - kCellsPerRow;
            break;
        case Move::Down:
            target = current_ + kCellsPerRow;
            break;
        case Move::PageUp:
            target = current_ - page;
            break;
        case Move::PageDown:
            target = current_ + page;
            break;
        case Move::First:
            target = 0;
            break;
        case Move::Last:
            target = shownCount_ - 1;
            break;
    }
    // A row move that would leave the sheet stops in the first or last row, in the same
    // column where it can.
    if (target < 0) {
        target = (move == Move::Up || move == Move::PageUp) ? current_ % kCellsPerRow : 0;
    }
    if (target >= shownCount_) {
        target =
            (move == Move::Down || move == Move::PageDown)
                ? std::min(shownCount_ - 1, (shownCount_ - 1) / kCellsPerRow * kCellsPerRow + current_ % kCellsPerRow)
                : shownCount_ - 1;
    }
    target = std::clamp(target, 0, shownCount_ - 1);
    ClickTile(target, extend ? Click::Extend : Click::Plain);
    return true;
}

void TileSelection::Follow(int tile) {
    if (tile == current_ || tile < 0 || tile >= tileCount_) {
        return;
    }
    if (!selected_.test(tile)) {
        ClickTile(tile, Click::Plain);
    }
    current_ = tile;
}

std::vector<std::int16_t> TileSelection::Tiles() const {
    std::vector<std::int16_t> tiles;
    tiles.reserve(selected_.count());
    for (int tile = 0; tile < tileCount_; ++tile) {
        if (selected_.test(tile)) {
            tiles.push_back(static_cast<std::int16_t>(tile));
        }
    }
    return tiles;
}

int TileSelection::NearestSelected(int tile) const {
    for (int distance = 1; distance < tileCount_; ++distance) {
        // Of two as near, the one after it.
        if (Contains(tile + distance)) {
            return tile + distance;
        }
        if (Contains(tile - distance)) {
            return tile - distance;
        }
    }
    return tile;
}

void TileSelection::SelectRectangle(int from, int to) {
    const int top = std::min(from, to) / kCellsPerRow;
    const int bottom = std::max(from, to) / kCellsPerRow;
    const int left = std::min(from % kCellsPerRow, to % kCellsPerRow);
    const int right = std::max(from % kCellsPerRow, to % kCellsPerRow);
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            const int tile = row * kCellsPerRow + column;
            if (tile < tileCount_) {
                selected_.set(tile);
            }
        }
    }
}

}  // namespace mosalind
