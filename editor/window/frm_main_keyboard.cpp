#include <QGroupBox>
#include <QKeySequence>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>

#include "window/frm_main.h"

namespace mosalind {

namespace {

constexpr int kShiftKey = 1;
constexpr int kCtrlKey = 2;
constexpr int kAltKey = 4;
constexpr int kAnimationStepMs = 125;  // 8 frames a second

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

void FrmMain::ConnectKeys() {
    const auto windowKey = [this](const QKeySequence& keys, void (FrmMain::*handler)()) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, handler);
        return shortcut;
    };
    keyHelp = windowKey(QKeySequence(Qt::Key_F1), &FrmMain::keyHelp_Activated);
    keyAttributes = windowKey(QKeySequence(Qt::Key_F2), &FrmMain::keyAttributes_Activated);
    keyAnimate = windowKey(QKeySequence(Qt::Key_F3), &FrmMain::keyAnimate_Activated);
    keySelectAll = windowKey(QKeySequence(Qt::CTRL | Qt::Key_A), &FrmMain::keySelectAll_Activated);
    keyCopy = windowKey(QKeySequence(Qt::CTRL | Qt::Key_C), &FrmMain::keyCopy_Activated);
    keyPaste = windowKey(QKeySequence(Qt::CTRL | Qt::Key_V), &FrmMain::keyPaste_Activated);
    keyPasteWithFrames =
        windowKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), &FrmMain::keyPasteWithFrames_Activated);

    tmrAnimate = new QTimer(this);
    tmrAnimate->setInterval(kAnimationStepMs);
    connect(tmrAnimate, &QTimer::timeout, this, &FrmMain::tmrAnimate_Timer);
    pressWatcher = new PressWatcher(this);
    pressWatcher->OnPress = [this] { StopAnimation(); };
    pressWatcher->Watch(this);

    // A click on the sheet gives it the focus, and so the keys below.
    picTilesScroller->setFocusPolicy(Qt::StrongFocus);
    picTilesScroller->KeyDown = [this](int key, int shift) { return picTilesScroller_KeyDown(key, shift); };
    // The wheel over a content or the rest of its viewport.
    for (PictureBox* box : {picTiles, picTilesScroller}) {
        box->MouseWheel = [this](QWheelEvent& event) { return picTiles_MouseWheel(event); };
    }
    for (PictureBox* box : {picBMP, picBMPScroller}) {
        box->MouseWheel = [this](QWheelEvent& event) { return picBMP_MouseWheel(event); };
    }
}

bool FrmMain::picTilesScroller_KeyDown(int key, int shift) {
    if ((shift & (kCtrlKey | kAltKey)) != 0) {
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
    if (!Selection.MoveCurrent(move, (shift & kShiftKey) != 0, pageRows)) {
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
