#include "document/editing_session.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "editing/cell_grid.h"
#include "editing/slope_codec.h"
#include "editing/tile_type_list.h"

namespace mosalind {

void EditingSession::StartEditing(std::string ownFile) {
    open_ = true;
    selection_.Reset(Document.Header.TileCount, ShownTiles());
    currentFrame_ = 0;
    ownFile_ = std::move(ownFile);
    revision_ = ++lastRevision_;
    savedRevision_ = revision_;
    doneBlank_.reset();
}

void EditingSession::StartEditingUnsaved(std::string ownFile) {
    StartEditing(std::move(ownFile));
    // A revision of its own, which no step of the (empty) history leads back from.
    revision_ = ++lastRevision_;
}

int EditingSession::ShownTiles() const {
    return std::clamp<int>(Document.Header.TileCount, 0, kMaxTiles) / kCellsPerRow * kCellsPerRow;
}

void EditingSession::ClickTile(int tile, TileSelection::Click kind) {
    selection_.ClickTile(tile, kind);
}

bool EditingSession::MoveCurrent(TileSelection::Move move, bool extend, int pageRows) {
    return selection_.MoveCurrent(move, extend, pageRows);
}

void EditingSession::SelectAll() {
    selection_.SelectAll();
}

void EditingSession::SelectTiles(const std::vector<std::int16_t>& tiles) {
    selection_.SelectTiles(tiles);
}

void EditingSession::SetCurrentTile(int tile) {
    selection_.Follow(tile);
}

void EditingSession::SetCurrentFrame(int frame) {
    if (frame >= 0 && frame < kMaxFrames) {
        currentFrame_ = static_cast<std::int16_t>(frame);
    }
}

std::vector<std::int16_t> EditingSession::EditedTiles() const {
    std::vector<std::int16_t> tiles = selection_.Tiles();
    if (tiles.empty()) {
        tiles.push_back(CurrentTile());
    }
    return tiles;
}

TileEdit EditingSession::MakeEdit(std::string text, const std::vector<std::int16_t>& tiles,
                                  const std::function<void(std::int16_t, TileValues&)>& change) const {
    TileEdit edit;
    edit.Text = std::move(text);
    edit.CurrentTile = CurrentTile();
    for (const std::int16_t tile : tiles) {
        if (tile < 0 || tile >= kMaxTiles) {
            continue;
        }
        TileChange tileChange{tile, ReadTileValues(Document, tile), {}};
        tileChange.After = tileChange.Before;
        change(tile, tileChange.After);
        if (tileChange.After != tileChange.Before) {
            edit.Changes.push_back(tileChange);
        }
    }
    if (!edit.ChangesNothing()) {
        edit.RevisionBefore = revision_;
        edit.RevisionAfter = ++lastRevision_;
    }
    return edit;
}

TileEdit EditingSession::TileTypeEdit(std::int16_t tileType) const {
    return MakeEdit("Tile Type", EditedTiles(),
                    [tileType](std::int16_t, TileValues& values) { values.TileType = tileType; });
}

TileEdit EditingSession::BlockingEdit(int side, int kind) const {
    if (side < 0 || side > 3) {
        return {};
    }
    return MakeEdit("Blocking", EditedTiles(), [side, kind](std::int16_t, TileValues& values) {
        values.Sides[side] = WithBlockingKind(values.Sides[side], kind);
    });
}

TileEdit EditingSession::SlopeEdit(const std::array<bool, 4>& sloped, std::uint8_t slopeByte) const {
    return MakeEdit("Set Slope", EditedTiles(), [&sloped, slopeByte](std::int16_t, TileValues& values) {
        for (int side = 0; side < 4; ++side) {
            values.Sides[side] = WithSlope(values.Sides[side], sloped[side], slopeByte);
        }
    });
}

TileEdit EditingSession::FrameCellEdit(std::int16_t cell) const {
    const std::int16_t frame = currentFrame_;
    TileEdit edit = MakeEdit("Frame Cell", {CurrentTile()},
                             [frame, cell](std::int16_t, TileValues& values) { values.Frames[frame] = cell; });
    edit.Frame = frame;
    return edit;
}

std::vector<int> EditingSession::FrameRunCells(std::int16_t firstCell, int step) const {
    std::vector<int> cells;
    for (int frame = currentFrame_; frame < FramesInUse(Document); ++frame) {
        cells.push_back(firstCell + (frame - currentFrame_) * step);
    }
    return cells;
}

TileEdit EditingSession::FrameRunEdit(std::int16_t firstCell, int step) const {
    const std::int16_t first = currentFrame_;
    const std::vector<int> cells = FrameRunCells(firstCell, step);
    if (std::any_of(cells.begin(), cells.end(), [](int cell) { return cell < 0 || cell > INT16_MAX; })) {
        return {};
    }
    TileEdit edit = MakeEdit("Frame Cells", {CurrentTile()}, [first, &cells](std::int16_t, TileValues& values) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            values.Frames[first + i] = static_cast<std::int16_t>(cells[i]);
        }
    });
    edit.Frame = first;
    return edit;
}

TileEdit EditingSession::PasteEdit(bool withFrames) const {
    if (!copied_) {
        return {};
    }
    const TileValues copied = *copied_;
    const int framesInUse = FramesInUse(Document);
    return MakeEdit("Paste", EditedTiles(), [&copied, withFrames, framesInUse](std::int16_t, TileValues& values) {
        values.TileType = copied.TileType;
        values.Sides = copied.Sides;
        if (withFrames) {
            std::copy_n(copied.Frames.begin(), framesInUse, values.Frames.begin());
        }
    });
}

TileEdit EditingSession::AcceptSuggestionsEdit(const SetSuggestions& suggestions) const {
    std::vector<std::int16_t> tiles;
    for (const std::int16_t tile : EditedTiles()) {
        if (suggestions.Differs(tile)) {
            tiles.push_back(tile);
        }
    }
    return MakeEdit("Accept Suggestions", tiles, [&suggestions](std::int16_t tile, TileValues& values) {
        const TileSuggestion suggestion = *suggestions.For(tile);
        values.TileType = suggestion.TileType;
        values.Sides = suggestion.Sides;
    });
}

void EditingSession::Apply(const TileEdit& edit) {
    for (const TileChange& change : edit.Changes) {
        WriteTileValues(Document, change.Tile, change.After);
    }
    revision_ = edit.RevisionAfter;
    SetCurrentTile(edit.CurrentTile);
    if (edit.Frame) {
        SetCurrentFrame(*edit.Frame);
    }
}

void EditingSession::Revert(const TileEdit& edit) {
    // Backwards, so that a tile listed twice gets the values it had before the first.
    for (auto change = edit.Changes.rbegin(); change != edit.Changes.rend(); ++change) {
        WriteTileValues(Document, change->Tile, change->Before);
    }
    revision_ = edit.RevisionBefore;
    SetCurrentTile(edit.CurrentTile);
    if (edit.Frame) {
        SetCurrentFrame(*edit.Frame);
    }
}

void EditingSession::MarkEditedTilesDone() {
    for (const std::int16_t tile : EditedTiles()) {
        doneBlank_.set(static_cast<std::size_t>(tile));
    }
}

void EditingSession::CopyCurrentTile() {
    copied_ = ReadTileValues(Document, CurrentTile());
}

void EditingSession::MarkSaved(std::string file) {
    ownFile_ = std::move(file);
    savedRevision_ = revision_;
}

}  // namespace mosalind
