#include <QGroupBox>
#include <algorithm>
#include <memory>

#include "document/tile_edit_commands.h"
#include "document/tile_values.h"
#include "window/frm_main.h"

namespace mosalind {

void FrmMain::keyCopy_Activated() {
    if (!frmControls->isEnabled()) {
        return;
    }
    CopiedValues = ReadTileValues(Document, CurrentTile);
}

void FrmMain::keyPaste_Activated() {
    PasteCopiedValues(false);
}

void FrmMain::keyPasteWithFrames_Activated() {
    PasteCopiedValues(true);
}

// The copied type and side words, and with `withFrames` the cells of the frames in use,
// written into every selected tile as one step; nothing before a copy.
void FrmMain::PasteCopiedValues(bool withFrames) {
    if (!frmControls->isEnabled() || !CopiedValues) {
        return;
    }
    const TileValues copied = *CopiedValues;
    const int framesInUse = std::clamp<int>(Document.Header.FrameCount, 0, kMaxFrames);
    EditTiles(std::make_unique<PasteCommand>(*this), EditedTiles(), [&](TileValues& values) {
        values.TileType = copied.TileType;
        values.Sides = copied.Sides;
        if (withFrames) {
            std::copy_n(copied.Frames.begin(), framesInUse, values.Frames.begin());
        }
    });
    // The controls show the current tile's new values.
    SelectTile(CurrentTile);
}

}  // namespace mosalind
