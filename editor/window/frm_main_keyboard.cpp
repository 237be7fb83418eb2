#include <QGroupBox>
#include <QScrollBar>

#include "window/frm_main.h"

namespace mosalind {

namespace {

const char* const kKeysHelp =
    "Tile sheet\n"
    "Click: choose the tile (it alone is selected)\n"
    "Shift+Click: select the rectangle from the tile clicked last without Shift\n"
    "Ctrl+Click: add or remove one tile\n"
    "Ctrl+A: select every tile of the set\n"
    "Arrow keys: one tile left or right, one row up or down\n"
    "Page Up, Page Down: a screen of rows up or down\n"
    "Home, End: the first or the last tile\n"
    "Shift with these keys: extend the rectangle\n"
    "(the keys work once a click has put the focus on the sheet)\n"
    "Mouse wheel: scroll the tile sheet or the bitmap\n"
    "\n"
    "Editing\n"
    "Tile type, blocking, SET SLOPE: write every selected tile\n"
    "Click on the bitmap: the current frame of the current tile\n"
    "Ctrl+C: copy the current tile's type, blocking and slopes\n"
    "Ctrl+V: paste them into every selected tile\n"
    "Ctrl+Shift+V: paste them with the frame cells\n"
    "Ctrl+Z: undo\n"
    "Ctrl+Shift+Z, Ctrl+Y: redo\n"
    "\n"
    "Commands\n"
    "Alt+L: Load Tiles\n"
    "Alt+N: New\n"
    "Alt+O: Open\n"
    "Alt+S: Save\n"
    "Ctrl+S: save to the set's own file\n"
    "F5: reload the tile sheet from its file\n"
    "Alt+1 to Alt+8: choose the frame\n"
    "\n"
    "View\n"
    "F1: this list\n"
    "F2: the attributes over the tile sheet, on or off\n"
    "F3: play the animations, or stop them";

}  // namespace

bool FrmMain::picTilesScroller_KeyDown(int key, int shift) {
    if ((shift & (kCtrlMask | kAltMask)) != 0) {
        return false;
    }
    TileSelection::Move move{};
    switch (key) {
        case Qt::Key_Left:
            move = TileSelection::Move::Left;
            break;
        case Qt::Key_Right:
            move = TileSelection::Move::Right;
            break;
        case Qt::Key_Up:
            move = TileSelection::Move::Up;
            break;
        case Qt::Key_Down:
            move = TileSelection::Move::Down;
            break;
        case Qt::Key_PageUp:
            move = TileSelection::Move::PageUp;
            break;
        case Qt::Key_PageDown:
            move = TileSelection::Move::PageDown;
            break;
        case Qt::Key_Home:
            move = TileSelection::Move::First;
            break;
        case Qt::Key_End:
            move = TileSelection::Move::Last;
            break;
        default:
            return false;
    }
    // A screen is the rows the viewport shows whole.
    const int pageRows = static_cast<int>(picTiles->ScaleHeight()) / kCellSize;
    if (!Selection.MoveCurrent(move, (shift & kShiftMask) != 0, pageRows)) {
        return true;
    }
    const auto tile = static_cast<std::int16_t>(Selection.Current());
    CurrentTile = tile;
    SelectTile(tile);
    ScrollTileIntoView(tile);
    return true;
}

void FrmMain::keySelectAll_Activated() {
    if (!frmControls->isEnabled()) {
        return;
    }
    Selection.SelectAll();
    picTilesScroller->Refresh();
}

void FrmMain::keyHelp_Activated() {
    dialogs_->ShowMessage(QString::fromUtf8(kKeysHelp));
}

}  // namespace mosalind
