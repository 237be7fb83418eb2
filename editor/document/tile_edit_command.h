#pragma once

#include <QString>
#include <QUndoCommand>
#include <cstdint>
#include <vector>

#include "document/tile_values.h"

namespace mosalind {

class FrmMain;

// One tile's values before and after an edit.
struct TileChange {
    std::int16_t Tile = 0;
    TileValues Before;
    TileValues After;
};

// One step of the window's history: one edit of one or more tiles. The window writes an
// edit into the document at once and then pushes the step, so the step's first redo()
// leaves the document alone; every later redo() writes the values after the edit, undo()
// the values before it. Both then make the tile that was current at the edit the current
// tile and show it, as a click on it would. The kinds of edit are the small classes of
// tile_edit_commands.h.
class TileEditCommand : public QUndoCommand {
public:
    // The tiles the edit changed and the tile that was current; set once, before the push.
    void Record(std::vector<TileChange> changes, std::int16_t currentTile);
    const std::vector<TileChange>& Changes() const { return changes_; }

    void redo() override;
    void undo() override;

protected:
    TileEditCommand(FrmMain& window, const QString& text) : QUndoCommand(text), window_(window) {}

    // Shows what the step changed: the tile that was current at the edit.
    virtual void ShowEditedTile();

    FrmMain& window_;

private:
    std::vector<TileChange> changes_;
    std::int16_t currentTile_ = 0;
    bool inDocument_ = true;  // the edit is what the document holds
};

}  // namespace mosalind
