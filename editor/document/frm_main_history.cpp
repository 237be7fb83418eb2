#include <QUndoStack>
#include <algorithm>

#include "document/tile_edit_command.h"
#include "document/tile_values.h"
#include "window/frm_main.h"

namespace mosalind {

void FrmMain::actUndo_Triggered() {
    StopAnimation();
    History->undo();
}

void FrmMain::actRedo_Triggered() {
    StopAnimation();
    History->redo();
}

void FrmMain::EditTiles(std::unique_ptr<TileEditCommand> edit, const std::vector<std::int16_t>& tiles,
                        const std::function<void(TileValues&)>& change) {
    // The edit applies to what the window showed before playing.
    StopAnimation();
    std::vector<TileChange> changes;
    for (const std::int16_t tile : tiles) {
        if (tile < 0 || tile >= kMaxTiles) {
            continue;
        }
        TileChange tileChange{tile, ReadTileValues(Document, tile), {}};
        tileChange.After = tileChange.Before;
        change(tileChange.After);
        WriteTileValues(Document, tile, tileChange.After);
        if (tileChange.After != tileChange.Before) {
            changes.push_back(tileChange);
        }
    }
    // Choosing the value a tile already has is no step: there would be nothing to undo.
    if (changes.empty()) {
        return;
    }
    edit->Record(std::move(changes), CurrentTile);
    History->push(edit.release());
    // The overlay shows what changed; a current tile the edit left out (taken out of the
    // selection with Ctrl) shows its own values again.
    if (AttributesShown) {
        picTilesScroller->update();
    }
    if (std::find(tiles.begin(), tiles.end(), CurrentTile) == tiles.end()) {
        SelectTile(CurrentTile);
    }
}

}  // namespace mosalind
