#include <QLabel>
#include <QPushButton>

#include "document/tile_edit_commands.h"
#include "editing/cell_grid.h"
#include "window/frm_main.h"
#include "window/label_caption.h"

namespace mosalind {

void FrmMain::optAnim_Click(int index) {
    if (index < 0 || index >= kMaxFrames) {
        return;
    }
    SelectFrame(static_cast<std::int16_t>(index));
    RefreshViews();
}

void FrmMain::SelectFrame(std::int16_t frame) {
    if (frame < 0 || frame >= kMaxFrames) {
        return;
    }
    SetLabelCaption(lblFrame, QString::fromStdString(FrameText(frame)));
    CurrentFrame = frame;
    optAnim[frame]->setChecked(true);
    ShowBitmapOffset(Document.TileFrames[frame][CurrentTile]);
    RefreshViews();
}

void FrmMain::AssignFrameOffset(std::int16_t cell) {
    ShowBitmapOffset(cell);
    const std::int16_t frame = CurrentFrame;
    if (frame < 0 || frame >= kMaxFrames) {
        return;
    }
    EditTiles(std::make_unique<FrameCellCommand>(*this, frame), {CurrentTile},
              [frame, cell](TileValues& values) { values.Frames[frame] = cell; });
    // The tile sheet draws every tile from its frame entry, so the repaint below puts the
    // new cell in the tile's place.
    RefreshViews();
}

}  // namespace mosalind
