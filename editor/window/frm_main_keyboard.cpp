#include <QScrollBar>

#include <algorithm>
#include <iterator>
#include <utility>

#include "editing/cell_grid.h"
#include "window/frm_main.h"
#include "window/zoomed_view.h"

namespace mosalind {

namespace {

const char* const kKeysHelp =
    "Tile sheet\n"
    "Click: choose the tile (it alone is selected)\n"
    "Shift+Click: select the rectangle from the tile clicked last without Shift\n"
    "Ctrl+Click: add or remove one tile\n"
    "Alt+Shift+Click: select the run of tiles, in reading order, from the tile clicked last\n"
    "Ctrl+A: select every tile of the set\n"
    "Ctrl+Shift+A: select every tile with the current tile's art\n"
    "Ctrl+Shift+T: select every tile with the current tile's type and sides\n"
    "Arrow keys: one tile left or right, one row up or down\n"
    "Page Up, Page Down: a screen of rows up or down\n"
    "Home, End: the first or the last tile\n"
    "Shift with these keys: extend the rectangle\n"
    "(the keys work once a click has put the focus on the sheet)\n"
    "Mouse wheel: scroll the tile sheet or the bitmap\n"
    "Ctrl++ (or Ctrl+=), Ctrl+-: zoom the tile sheet or the bitmap in or out, 1x to 4x\n"
    "  (the one with the focus; a click on the bitmap puts it there)\n"
    "Ctrl+0: back to 1x\n"
    "Ctrl+mouse wheel: zoom the view under the mouse\n"
    "\n"
    "Editing\n"
    "Tile type, blocking, SET SLOPE: write every selected tile\n"
    "Click on the bitmap: the current frame of the current tile\n"
    "Shift+Click on the bitmap: the current frame and the ones after it, cell after cell\n"
    "Ctrl+Shift+Click on the bitmap: the same, down the bitmap's column\n"
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
    "F3: play the animations, or stop them\n"
    "F6: suggestions from the tiles' art (Accept writes them into the selected tiles)\n"
    "\n"
    "Attributes (F2)\n"
    "A bar along a side: it blocks; yellow 1 Blocking, cyan 2 Slippery (2 - x),\n"
    "  magenta 3 Icy (3 - x)\n"
    "An orange line: the side's slope\n"
    "A number: the tile type's row in the list (1 Kills, 2 Door 1 ... 28 Single Bullet);\n"
    "  M Masked, F Foreground\n"
    "With F6 open, a white corner: the tile differs from its suggestion, whose blocking\n"
    "  sides and slope are the dotted lines";

}  // namespace

bool FrmMain::picTilesScroller_KeyDown(int key, int shift) {
    if ((shift & (kCtrlMask | kAltMask)) != 0) {
        return false;
    }
    // The sheet's keys and the moves of the current tile they make.
    static constexpr std::pair<int, TileSelection::Move> kMoves[] = {
        {Qt::Key_Left, TileSelection::Move::Left},     {Qt::Key_Right, TileSelection::Move::Right},
        {Qt::Key_Up, TileSelection::Move::Up},         {Qt::Key_Down, TileSelection::Move::Down},
        {Qt::Key_PageUp, TileSelection::Move::PageUp}, {Qt::Key_PageDown, TileSelection::Move::PageDown},
        {Qt::Key_Home, TileSelection::Move::First},    {Qt::Key_End, TileSelection::Move::Last},
    };
    const auto found =
        std::find_if(std::begin(kMoves), std::end(kMoves), [key](const auto& entry) { return entry.first == key; });
    if (found == std::end(kMoves)) {
        return false;
    }
    const TileSelection::Move move = found->second;
    // A screen is the rows the viewport shows whole.
    const int pageRows = TilesZoom->VisibleHeight() / (kCellSize * TilesZoom->Zoom());
    if (!Session.MoveCurrent(move, (shift & kShiftMask) != 0, pageRows)) {
        return true;
    }
    SelectTile(CurrentTile());
    ScrollTileIntoView(CurrentTile());
    return true;
}

void FrmMain::keySelectAll_Activated() {
    if (!SetIsOpen()) {
        return;
    }
    Session.SelectAll();
    picTilesScroller->Refresh();
}

void FrmMain::keyHelp_Activated() {
    dialogs_->ShowMessage(QString::fromUtf8(kKeysHelp));
}

}  // namespace mosalind
