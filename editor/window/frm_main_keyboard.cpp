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
    "Alt+Shift+Click: select the run of tiles, in reading order, from there\n"
    "Ctrl+Click: add or remove one tile\n"
    "Ctrl+A: select every tile of the set\n"
    "Ctrl+Shift+A: select every tile with the current tile's art\n"
    "Ctrl+Shift+T: select every tile with the current tile's type and sides\n"
    "Arrows, Page Up, Page Down, Home, End: move the current tile\n"
    "Shift with these keys: extend the rectangle\n"
    "(the keys work once a click has put the focus on the sheet)\n"
    "Mouse wheel: scroll the tile sheet or the bitmap\n"
    "Ctrl++ or Ctrl+=, Ctrl+-: zoom the view with the focus, 1x to 4x\n"
    "Ctrl+0: back to 1x; Ctrl+mouse wheel: zoom the view under the mouse\n"
    "\n"
    "Editing\n"
    "Tile type, blocking, SET SLOPE: write every selected tile\n"
    "Click on the bitmap: the current frame of the current tile\n"
    "Shift+Click on the bitmap: that cell and the next to the last frame\n"
    "Ctrl+Shift+Click on the bitmap: the same, down the bitmap's column\n"
    "Ctrl+C: copy the current tile's type, blocking and slopes\n"
    "Ctrl+V: paste them into every selected tile\n"
    "Ctrl+Shift+V: paste them with the frame cells\n"
    "Ctrl+Z: undo; Ctrl+Shift+Z, Ctrl+Y: redo\n"
    "\n"
    "Commands\n"
    "Alt+L: Load Tiles; Alt+N: New; Alt+O: Open; Alt+S: Save\n"
    "Ctrl+S: save to the set's own file\n"
    "Ctrl+O: open another set; Ctrl+N: a new set, same sheet\n"
    "F5: reload the tile sheet from its file\n"
    "Alt+1 to Alt+8: choose the frame\n"
    "\n"
    "View\n"
    "F1: this list\n"
    "F2: the attributes over the tile sheet, on or off\n"
    "F3: play the animations, or stop them\n"
    "F6: suggestions from the art and the tiles done, shown by\n"
    "the overlay; closing their box puts the overlay back\n"
    "F7: try the tiles: a figure runs over a map of them\n"
    "\n"
    "Attributes (F2)\n"
    "A bar along a side: it blocks (yellow 1, cyan 2, magenta 3)\n"
    "An orange line: the side's slope\n"
    "A number: the tile type's row in its list; M Masked, F Foreground\n"
    "A white corner (F6 open): the art suggests other values\n"
    "A green corner (F6 open): a tile done suggests other values\n"
    "Dashed lines (F6 open): the suggested blocking sides and slope\n"
    "A blue outline: a selected tile";

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
