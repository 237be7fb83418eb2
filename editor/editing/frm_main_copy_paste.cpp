#include "window/frm_main.h"

namespace mosalind {

// The copied type and side words, and with `withFrames` the cells of the frames in use,
// written into every selected tile as one step; nothing before a copy.
void FrmMain::Paste(bool withFrames) {
    if (!SetIsOpen() || !Session.CopiedValues()) {
        return;
    }
    Session.MarkEditedTilesDone();
    PushEdit(Session.PasteEdit(withFrames));
    // The controls show the current tile's new values.
    SelectTile(CurrentTile());
}

void FrmMain::keyCopy_Activated() {
    if (SetIsOpen()) {
        Session.CopyCurrentTile();
    }
}

void FrmMain::keyPaste_Activated() {
    Paste(false);
}

void FrmMain::keyPasteWithFrames_Activated() {
    Paste(true);
}

}  // namespace mosalind
