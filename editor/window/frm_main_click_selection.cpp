#include "editing/cell_grid.h"
#include "window/frm_main.h"

namespace mosalind {

namespace {

// Shift takes the rectangle from the anchor, Alt+Shift the run in reading order, Ctrl adds
// or removes; with neither, the clicked tile is selected alone, and the click does what it
// always did.
TileSelection::Click SelectionClick(int shift) {
    const bool extend = (shift & kShiftMask) != 0;
    const bool toggle = (shift & kCtrlMask) != 0;
    if (extend && (shift & kAltMask) != 0) {
        return TileSelection::Click::Run;
    }
    if (extend) {
        return toggle ? TileSelection::Click::Add : TileSelection::Click::Extend;
    }
    return toggle ? TileSelection::Click::Toggle : TileSelection::Click::Plain;
}

}  // namespace

void FrmMain::picTilesScroller_MouseDown(int, int shift, double x, double y) {
    const std::optional<std::int16_t> tile = CellAtPixel(static_cast<float>(x), static_cast<float>(y));
    // The sheet shows only whole rows of tiles in use; anything else is no tile.
    if (!tile || *tile < 0 || *tile >= Session.Set().Header.TileCount || *tile >= kMaxTiles) {
        return;
    }
    Session.ClickTile(*tile, SelectionClick(shift));
    SelectTile(CurrentTile());
}

void FrmMain::picBMPScroller_MouseDown(int, int shift, double x, double y) {
    const std::optional<std::int16_t> cell = CellAtPixel(static_cast<float>(x), static_cast<float>(y));
    if (!cell || *cell < 0) {
        return;
    }
    // Shift: the current frame and the ones after it get a run of cells, along the sheet's
    // row, or with Ctrl down its column.
    if ((shift & kShiftMask) != 0) {
        AssignFrameRun(*cell, (shift & kCtrlMask) != 0 ? kCellsPerRow : 1);
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
