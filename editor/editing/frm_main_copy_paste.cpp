#include "window/frm_main.h"

namespace mosalind {

namespace {

// The copied type and side words, and with `withFrames` the cells of the frames in use,
// written into every selected tile as one step; nothing before a copy.
void PasteCopiedValues(FrmMain& window, bool withFrames) {
    if (!window.SetIsOpen() || !window.Session.CopiedValues()) {
        return;
    }
    window.Session.MarkEditedTilesDone();
    window.PushEdit(window.Session.PasteEdit(withFrames));
    // The controls show the current tile's new values.
    window.SelectTile(window.CurrentTile());
}

}  // namespace

void FrmMain::keyCopy_Activated() {
    if (SetIsOpen()) {
        Session.CopyCurrentTile();
    }
}

void FrmMain::keyPaste_Activated() {
    PasteCopiedValues(*this, false);
}

void FrmMain::keyPasteWithFrames_Activated() {
    PasteCopiedValues(*this, true);
}

}  // namespace mosalind
