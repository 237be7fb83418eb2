#include "editing/editing_session.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "document/new_tile_set.h"
#include "document/tile_set_file.h"
#include "editing/cell_grid.h"
#include "editing/slope_codec.h"
#include "editing/tile_type_list.h"

namespace mosalind {

const TileGraphics EditingSession::kNoGraphics{};

void EditingSession::StartEditing(std::string ownFile) {
    open_ = true;
    selection_.Reset(set_.Header.TileCount, ShownTiles());
    currentFrame_ = 0;
    slopeLeft_ = 0;
    slopeRight_ = 0;
    ownFile_ = std::move(ownFile);
    revision_ = ++lastRevision_;
    savedRevision_ = revision_;
    doneBlank_.reset();
}

void EditingSession::NewSet(std::int16_t tileCount, std::int16_t frameCount, std::int32_t sheetWidth,
                            std::int32_t sheetHeight) {
    FillNewTileSet(set_, tileCount, frameCount, sheetWidth, sheetHeight);
    StartEditing({});
    Tell({SessionChange::kSet | SessionChange::kSelection | SessionChange::kFrame | SessionChange::kFile |
              SessionChange::kRevision | SessionChange::kPendingSlope,
          {}});
}

void EditingSession::OpenSet(const std::string& path) {
    set_ = ReadTileSet(path, set_);
    StartEditing(path);
    Tell({SessionChange::kSet | SessionChange::kSelection | SessionChange::kFrame | SessionChange::kFile |
              SessionChange::kRevision | SessionChange::kPendingSlope,
          {}});
}

void EditingSession::RestoreSet(const TileSet& kept, std::string ownFile, const DoneTiles& doneBlank,
                                const std::optional<TryScratch>& tryScratch) {
    set_ = kept;
    StartEditing(std::move(ownFile));
    // A revision of its own, which no step of the (empty) history leads back from.
    revision_ = ++lastRevision_;
    unsigned what = SessionChange::kSet | SessionChange::kSelection | SessionChange::kFrame | SessionChange::kFile |
                    SessionChange::kRevision | SessionChange::kPendingSlope;
    // Only tiles of the set can be done.
    for (std::size_t tile = 0; tile < doneBlank.size(); ++tile) {
        if (doneBlank.test(tile) && tile < static_cast<std::size_t>(std::max<int>(set_.Header.TileCount, 0))) {
            doneBlank_.set(tile);
        }
    }
    if (doneBlank_.any()) {
        what |= SessionChange::kDone | SessionChange::kEmpty;
    }
    if (tryScratch && *tryScratch != try_) {
        try_ = *tryScratch;
        what |= SessionChange::kTry;
    }
    Tell({what, {}});
}

int EditingSession::ShownTiles() const {
    return std::clamp<int>(set_.Header.TileCount, 0, kMaxTiles) / kCellsPerRow * kCellsPerRow;
}

void EditingSession::TakeSheet(SharedSheet sheet) {
    sheet_ = std::move(sheet);
    features_ = SheetFeatures(sheet_);
    Tell({SessionChange::kSheet | (empty_ ? 0u : SessionChange::kEmpty), {}});
}

void EditingSession::SetPendingSlope(int left, int right) {
    if (left != slopeLeft_ || right != slopeRight_) {
        slopeLeft_ = left;
        slopeRight_ = right;
        Tell({SessionChange::kPendingSlope, {}});
    }
}

EmptyColours EditingSession::Empty() const {
    return empty_ ? *empty_ : EmptyColoursOf(EmptyReasons());
}

std::array<EmptyBecause, 16> EditingSession::EmptyReasons() const {
    if (!emptyReasons_) {
        emptyReasons_ = DefaultEmptyColours(set_, features_, doneBlank_);
    }
    return *emptyReasons_;
}

void EditingSession::ChooseEmpty(EmptyColours empty) {
    const bool changed = empty != Empty();
    empty_ = empty;
    if (changed) {
        Tell({SessionChange::kEmpty, {}});
    }
}

void EditingSession::Tell(const SessionChange& change) {
    // Whatever changes what the default empty colours are made of is told; forget them first.
    if (change.TileValues() || change.Has(SessionChange::kSheet | SessionChange::kDone)) {
        emptyReasons_.reset();
    }
    listeners_.Tell(change);
}

void EditingSession::TellSelection(const TileSelection& before, std::int16_t currentFrameBefore) {
    unsigned what = 0;
    if (!(selection_ == before)) {
        what |= SessionChange::kSelection;
    }
    if (currentFrame_ != currentFrameBefore) {
        what |= SessionChange::kFrame;
    }
    Tell({what, {}});
}

void EditingSession::ClickTile(int tile, TileSelection::Click kind) {
    const TileSelection before = selection_;
    selection_.ClickTile(tile, kind);
    TellSelection(before, currentFrame_);
}

bool EditingSession::MoveCurrent(TileSelection::Move move, bool extend, int pageRows) {
    const TileSelection before = selection_;
    const bool moved = selection_.MoveCurrent(move, extend, pageRows);
    TellSelection(before, currentFrame_);
    return moved;
}

void EditingSession::SelectAll() {
    const TileSelection before = selection_;
    selection_.SelectAll();
    TellSelection(before, currentFrame_);
}

void EditingSession::SelectTiles(const std::vector<std::int16_t>& tiles) {
    const TileSelection before = selection_;
    selection_.SelectTiles(tiles);
    TellSelection(before, currentFrame_);
}

void EditingSession::SetCurrentTile(int tile) {
    const TileSelection before = selection_;
    selection_.Follow(tile);
    TellSelection(before, currentFrame_);
}

void EditingSession::SetCurrentFrame(int frame) {
    if (frame >= 0 && frame < kMaxFrames && frame != currentFrame_) {
        currentFrame_ = static_cast<std::int16_t>(frame);
        Tell({SessionChange::kFrame, {}});
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
    edit.Changes.reserve(tiles.size());
    for (const std::int16_t tile : tiles) {
        if (tile < 0 || tile >= kMaxTiles) {
            continue;
        }
        // Worked out in its place in the list, and taken out again if it changes nothing.
        TileChange& tileChange = edit.Changes.emplace_back();
        tileChange.Tile = tile;
        tileChange.Before = ReadTileValues(set_, tile);
        tileChange.After = tileChange.Before;
        change(tile, tileChange.After);
        if (tileChange.After == tileChange.Before) {
            edit.Changes.pop_back();
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
    for (int frame = currentFrame_; frame < FramesInUse(set_); ++frame) {
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
    const int framesInUse = FramesInUse(set_);
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
    if (edit.ChangesNothing()) {
        return;  // no step: it has no revision of its own
    }
    for (const TileChange& change : edit.Changes) {
        WriteTileValues(set_, change.Tile, change.After);
    }
    Moved(edit, edit.RevisionAfter);
}

void EditingSession::Revert(const TileEdit& edit) {
    if (edit.ChangesNothing()) {
        return;
    }
    // Backwards, so that a tile listed twice gets the values it had before the first.
    for (auto change = edit.Changes.rbegin(); change != edit.Changes.rend(); ++change) {
        WriteTileValues(set_, change->Tile, change->Before);
    }
    Moved(edit, edit.RevisionBefore);
}

void EditingSession::Moved(const TileEdit& edit, std::uint64_t revision) {
    const bool wasUnsaved = IsUnsaved();
    const TileSelection selectionBefore = selection_;
    const std::int16_t frameBefore = currentFrame_;
    revision_ = revision;
    selection_.Follow(edit.CurrentTile);
    if (edit.Frame && *edit.Frame >= 0 && *edit.Frame < kMaxFrames) {
        currentFrame_ = *edit.Frame;
    }

    SessionChange change;
    change.What = SessionChange::kRevision;
    if (!edit.Changes.empty()) {
        change.What |= SessionChange::kTiles;
        change.Tiles.reserve(edit.Changes.size());
        for (const TileChange& tileChange : edit.Changes) {
            change.Tiles.push_back(tileChange.Tile);
        }
        // The edits list their tiles in increasing order already; any other is sorted.
        if (!std::is_sorted(change.Tiles.begin(), change.Tiles.end())) {
            std::sort(change.Tiles.begin(), change.Tiles.end());
        }
        change.Tiles.erase(std::unique(change.Tiles.begin(), change.Tiles.end()), change.Tiles.end());
    }
    if (!(selection_ == selectionBefore)) {
        change.What |= SessionChange::kSelection;
    }
    if (currentFrame_ != frameBefore) {
        change.What |= SessionChange::kFrame;
    }
    if (IsUnsaved() != wasUnsaved) {
        change.What |= SessionChange::kFile;
    }
    Tell(std::move(change));
}

void EditingSession::MarkEditedTilesDone() {
    const DoneTiles before = doneBlank_;
    for (const std::int16_t tile : EditedTiles()) {
        doneBlank_.set(static_cast<std::size_t>(tile));
    }
    // The tiles done change the suggestions and may change the default empty colours.
    if (doneBlank_ != before) {
        Tell({SessionChange::kDone | SessionChange::kEmpty, {}});
    }
}

void EditingSession::SetTry(TryScratch scratch) {
    if (scratch != try_) {
        try_ = std::move(scratch);
        Tell({SessionChange::kTry, {}});
    }
}

void EditingSession::CopyCurrentTile() {
    copied_ = ReadTileValues(set_, CurrentTile());
}

void EditingSession::MarkSaved(std::string file) {
    ownFile_ = std::move(file);
    savedRevision_ = revision_;
    Tell({SessionChange::kFile, {}});
}

}  // namespace mosalind
