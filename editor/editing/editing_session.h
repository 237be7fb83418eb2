#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "document/tile_edit.h"
#include "document/tile_set.h"
#include "document/tile_values.h"
#include "document/try_scratch.h"
#include "editing/session_change.h"
#include "editing/set_suggestions.h"
#include "editing/sheet_features.h"
#include "editing/tile_selection.h"
#include "graphics/tile_sheet.h"

namespace mosalind {

// The editor's state, as plain data and rules, and its one owner: the tile set being
// edited, the loaded tile sheet, the current tile and frame, the selected tiles, the values
// copied for pasting, the pending slope levels, the colours the suggestions count as empty,
// the blank tiles done by hand, the Try window's scratch map, start and motion parameters,
// the set's own file and whether the set differs from what was last saved. The window
// shows it and turns the user's actions into its operations; every panel reads it and
// listens (Listen) for what changed, so that no panel refreshes another.
//
// An edit is made in two steps: one of the edits below works out the values every tile
// has before and after it, without changing anything, and Apply then writes it (the
// history's redo); Revert writes the values before it back (undo).
class EditingSession {
public:
    EditingSession() = default;
    EditingSession(const EditingSession&) = delete;
    EditingSession& operator=(const EditingSession&) = delete;

    // ---- Listening ----
    // `listener` is told every change from now until the subscription ends (it is
    // destroyed or cancelled), after the session's state has changed; listeners are told in
    // the order they subscribed. A subscription may outlive the session.
    [[nodiscard]] SessionSubscription Listen(SessionListener listener) const {
        return listeners_.Listen(std::move(listener));
    }

    // ---- The set ----
    // The tile set being edited; only the operations below write it.
    const TileSet& Set() const { return set_; }
    // New: a set of `tileCount` tiles and `frameCount` frames for a sheet of the given
    // pixel size (FillNewTileSet). Open: the set in `path` (ReadTileSet). Either becomes the
    // set being edited: tile 0 current and alone selected, frame 0 current, pending slope
    // levels 0, nothing unsaved; `path` becomes the set's own file. Both throw RefusedError,
    // everything staying as it was.
    void NewSet(std::int16_t tileCount, std::int16_t frameCount, std::int32_t sheetWidth, std::int32_t sheetHeight);
    void OpenSet(const std::string& path);
    // The same for a set put back from the edits an editor kept and never saved: it differs
    // from `ownFile` (or, for a new set, from nothing saved), so it is unsaved. The blank
    // tiles done by hand and, when kept, the Try window's scratch state come back with it.
    void RestoreSet(const TileSet& kept, std::string ownFile, const DoneTiles& doneBlank = {},
                    const std::optional<TryScratch>& tryScratch = std::nullopt);
    bool IsOpen() const { return open_; }
    // The tiles the tile sheet shows: its whole rows of 13.
    int ShownTiles() const;

    // ---- The tile sheet ----
    // The sheet loaded, read again or put back from kept planes; no sheet before the first.
    void TakeSheet(SharedSheet sheet);
    const SharedSheet& Sheet() const { return sheet_; }
    // The sheet's cells in planes; none before a sheet is loaded.
    const TileGraphics& Graphics() const { return sheet_ ? sheet_->Graphics : kNoGraphics; }
    // What the suggestions read of the sheet's cells, kept as long as the sheet: asking it
    // changes nothing of the state, only how long the next ask takes.
    SheetFeatures& Features() const { return features_; }

    // ---- Pending slope levels, 0 (top) to 4 (bottom), for SET SLOPE ----
    int SlopeLeft() const { return slopeLeft_; }
    int SlopeRight() const { return slopeRight_; }
    void SetPendingSlope(int left, int right);

    // ---- The colours the suggestions count as empty ----
    // Those chosen; before any choice, the default ones: the sheet's sky, and the colours
    // only in tiles done as passing (EmptyReasons says why each is empty).
    EmptyColours Empty() const;
    std::array<EmptyBecause, 16> EmptyReasons() const;
    bool EmptyChosen() const { return empty_.has_value(); }
    void ChooseEmpty(EmptyColours empty);

    // ---- The current tile and frame, and the selection ----
    std::int16_t CurrentTile() const { return static_cast<std::int16_t>(selection_.Current()); }
    std::int16_t CurrentFrame() const { return currentFrame_; }
    const TileSelection& Selection() const { return selection_; }

    // A click on `tile` of the tile sheet; a tile outside the set is no tile.
    void ClickTile(int tile, TileSelection::Click kind);
    // An arrow, page or Home/End key on the sheet; false when no tile could be reached.
    bool MoveCurrent(TileSelection::Move move, bool extend, int pageRows);
    void SelectAll();
    // Selects exactly `tiles` (a search's or the suggestions' result); the current tile
    // stays if it is one of them, else the first one becomes current.
    void SelectTiles(const std::vector<std::int16_t>& tiles);
    // Makes a tile of the set current without the sheet (an undo showing the tile it
    // changed); a tile outside the selection is then selected alone.
    void SetCurrentTile(int tile);
    // Makes frame 0 to 7 current; any other number is ignored.
    void SetCurrentFrame(int frame);

    // The tiles an edit of the lists, SET SLOPE or a paste writes: the selected ones; the
    // current tile alone when none is selected.
    std::vector<std::int16_t> EditedTiles() const;

    // ---- Edits: each gives the values before and after, changing nothing yet ----
    TileEdit TileTypeEdit(std::int16_t tileType) const;
    // The blocking kind (bits 0-1) of side 0 to 3; the slope bits stay.
    TileEdit BlockingEdit(int side, int kind) const;
    // SET SLOPE: `slopeByte` on the sides marked in `sloped`, the slope cleared on the others.
    TileEdit SlopeEdit(const std::array<bool, 4>& sloped, std::uint8_t slopeByte) const;
    // The current frame of the current tile shows `cell`.
    TileEdit FrameCellEdit(std::int16_t cell) const;
    // The current tile's frames from the current one to the last in use show a run of
    // cells: `firstCell`, then each `step` cells on (1 along a sheet row, 13 down a column).
    TileEdit FrameRunEdit(std::int16_t firstCell, int step) const;
    // The cells FrameRunEdit would give, in frame order.
    std::vector<int> FrameRunCells(std::int16_t firstCell, int step) const;
    // The copied type and side words, with `withFrames` also the cells of the frames in
    // use; an edit that changes nothing before a copy.
    TileEdit PasteEdit(bool withFrames) const;
    // Accept: the suggested type and side words written into the selected tiles that differ.
    TileEdit AcceptSuggestionsEdit(const SetSuggestions& suggestions) const;
    // Any edit of `tiles`: `change` turns a tile's values into those after the edit.
    TileEdit MakeEdit(std::string text, const std::vector<std::int16_t>& tiles,
                      const std::function<void(std::int16_t tile, TileValues& values)>& change) const;

    // Writes the values after the edit (before it, for Revert) and makes the edit's tile,
    // and for a frame's cell its frame, current again. The set's revision becomes the
    // one after (before) the edit.
    // An edit that changes nothing is no step: it writes nothing and tells nothing.
    void Apply(const TileEdit& edit);
    void Revert(const TileEdit& edit);

    // ---- Tiles done by hand ----
    // The blank tiles the user has given their values to in this set (a cloud given
    // nothing): learned from and never changed by a suggestion, as a tile with values.
    const DoneTiles& DoneBlank() const { return doneBlank_; }
    // The tiles an edit by hand writes (EditedTiles) are done, whatever the edit changes;
    // when that makes tiles done, the listeners hear of it (kDone), and of the empty colours.
    void MarkEditedTilesDone();

    // ---- The Try window's scratch state ----
    // The map the figure runs over, its start and how it moves: kept with the set's unsaved
    // edits, but no part of the set, so changing it leaves the set saved or unsaved as it was.
    // It stays when another set is made or opened (tiles the set lacks are no tiles).
    const TryScratch& Try() const { return try_; }
    // Tells kTry when it changes anything.
    void SetTry(TryScratch scratch);

    // ---- Copy ----
    void CopyCurrentTile();
    const std::optional<TileValues>& CopiedValues() const { return copied_; }

    // ---- Saving ----
    // The file the set was opened from or last saved to; empty before either.
    const std::string& OwnFile() const { return ownFile_; }
    // The document as it is now was written to `file`, which becomes the set's own.
    void MarkSaved(std::string file);
    // Whether the document differs from what New made, Open read or Save last wrote;
    // undoing back to that point makes it so again.
    bool IsUnsaved() const { return revision_ != savedRevision_; }
    // Tells one state of the document from another: every edit makes a new revision, undo
    // and redo go back to the revision before or after a step.
    std::uint64_t Revision() const { return revision_; }

private:
    static const TileGraphics kNoGraphics;

    void StartEditing(std::string ownFile);
    // An edit applied or reverted: the revision it leads to, its tile and frame current.
    void Moved(const TileEdit& edit, std::uint64_t revision);
    void Tell(const SessionChange& change);
    // Tells the selection's and current tile's change when there was one.
    void TellSelection(const TileSelection& before, std::int16_t currentFrameBefore);

    mutable SessionListeners listeners_;  // listening changes nothing of the state
    TileSet set_;
    SharedSheet sheet_;
    mutable SheetFeatures features_;  // of sheet_
    int slopeLeft_ = 0;
    int slopeRight_ = 0;
    std::optional<EmptyColours> empty_;
    // The default empty colours' reasons, until the tiles' values, the tiles done or the
    // sheet change.
    mutable std::optional<std::array<EmptyBecause, 16>> emptyReasons_;
    bool open_ = false;
    TileSelection selection_;
    std::int16_t currentFrame_ = 0;
    std::optional<TileValues> copied_;
    DoneTiles doneBlank_;
    TryScratch try_;
    std::string ownFile_;
    std::uint64_t revision_ = 0;
    std::uint64_t savedRevision_ = 0;
    // The last revision given out; an edit made but never applied wastes one, harmlessly.
    mutable std::uint64_t lastRevision_ = 0;
};

}  // namespace mosalind
