#include <QLabel>
#include <QPushButton>

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
    Session.SetCurrentFrame(frame);
    SetLabelCaption(lblFrame, QString::fromStdString(FrameText(frame)));
    optAnim[frame]->setChecked(true);
    ShowBitmapOffset(Session.Set().TileFrames[frame][CurrentTile()]);
    RefreshViews();
}

void FrmMain::AssignFrameOffset(std::int16_t cell) {
    ShowBitmapOffset(cell);
    PushEdit(Session.FrameCellEdit(cell));
    // The tile sheet draws every tile from its frame entry, so the repaint below puts the
    // new cell in the tile's place.
    RefreshViews();
}

void FrmMain::AssignFrameRun(std::int16_t cell, int step) {
    // Any cell of the run the file or the sheet cannot hold refuses the whole run.
    if (const std::optional<std::string> refusal =
            FrameRunRefusal(Session.FrameRunCells(cell, step), Session.Graphics().BMPTileCount)) {
        dialogs_->ShowMessage(QString::fromStdString(*refusal));
        return;
    }
    ShowBitmapOffset(cell);
    PushEdit(Session.FrameRunEdit(cell, step));
    RefreshViews();
}

}  // namespace mosalind
