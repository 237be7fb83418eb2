#include "document/tile_edit_command.h"

#include "window/frm_main.h"

namespace mosalind {

void TileEditCommand::Record(std::vector<TileChange> changes, std::int16_t currentTile) {
    changes_ = std::move(changes);
    currentTile_ = currentTile;
}

void TileEditCommand::redo() {
    if (inDocument_) {
        return;
    }
    for (const TileChange& change : changes_) {
        WriteTileValues(window_.Document, change.Tile, change.After);
    }
    inDocument_ = true;
    ShowEditedTile();
}

void TileEditCommand::undo() {
    // Backwards, so that a tile listed twice gets the values it had before the first.
    for (auto change = changes_.rbegin(); change != changes_.rend(); ++change) {
        WriteTileValues(window_.Document, change->Tile, change->Before);
    }
    inDocument_ = false;
    ShowEditedTile();
}

void TileEditCommand::ShowEditedTile() {
    window_.CurrentTile = currentTile_;
    window_.SelectTile(currentTile_);
}

}  // namespace mosalind
