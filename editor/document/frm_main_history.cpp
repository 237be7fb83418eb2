#include <QUndoStack>

#include "window/edit_history.h"
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

void FrmMain::PushEdit(TileEdit edit) {
    // The edit applies to what the window showed before playing.
    StopAnimation();
    const bool frameCell = edit.Frame.has_value();
    if (!History->Push(std::move(edit))) {
        return;
    }
    // A current tile the selection left out (taken out of it with Ctrl) shows its own
    // values again.
    const TileSelection& selection = Session.Selection();
    if (!frameCell && selection.Count() > 0 && !selection.Contains(CurrentTile())) {
        SelectTile(CurrentTile());
    }
}

// An undone or redone step shows the tile that was current at the edit, as a click on it
// would, and a frame's cell also its frame, so that "Offset in Bitmap" tells the cell put
// back.
void FrmMain::ShowStep(const TileEdit& step) {
    SelectTile(CurrentTile());
    if (step.Frame) {
        SelectFrame(CurrentFrame());
    }
}

}  // namespace mosalind
