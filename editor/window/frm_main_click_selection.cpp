#include "editing/cell_grid.h"
#include "window/frm_main.h"

namespace mosalind {

void FrmMain::picTilesScroller_MouseDown(int, int, double x, double y) {
    const std::optional<std::int16_t> tile = CellAtPixel(static_cast<float>(x), static_cast<float>(y));
    // The sheet shows only whole rows of tiles in use; anything else is no tile.
    if (!tile || *tile < 0 || *tile >= Document.Header.TileCount || *tile >= kMaxTiles) {
        return;
    }
    CurrentTile = *tile;
    SelectTile(*tile);
}

void FrmMain::picBMPScroller_MouseDown(int, int, double x, double y) {
    const std::optional<std::int16_t> cell = CellAtPixel(static_cast<float>(x), static_cast<float>(y));
    if (!cell || *cell < 0) {
        return;
    }
    // Taken, such a cell would make every later Save fail; the frame keeps its cell.
    if (const std::optional<std::string> refusal = FrameCellRefusal(*cell)) {
        dialogs_->ShowMessage(QString::fromStdString(*refusal));
        return;
    }
    AssignFrameOffset(*cell);
}

}  // namespace mosalind
