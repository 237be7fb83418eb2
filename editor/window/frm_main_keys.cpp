#include <QAction>
#include <QKeySequence>

#include "window/frm_main.h"

namespace mosalind {

namespace {

// A key of the window: it works wherever the focus is in the window, as the buttons' Alt
// mnemonics (Alt+L, Alt+N, Alt+O, Alt+S, Alt+1 to Alt+8) do. The sheet's own keys (arrows,
// pages, Home, End) are its KeyDown.
struct WindowKey {
    const char* Name;
    QList<QKeySequence> Keys;
    void (FrmMain::*Handler)();
    QAction* FrmMain::*Action;  // where the window keeps it, or nullptr
};

}  // namespace

void FrmMain::BuildKeys() {
    const WindowKey keys[] = {
        {"Undo", {QKeySequence(Qt::CTRL | Qt::Key_Z)}, &FrmMain::actUndo_Triggered, &FrmMain::actUndo},
        {"Redo",
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
         &FrmMain::actRedo_Triggered,
         &FrmMain::actRedo},
        {"Save", {QKeySequence(Qt::CTRL | Qt::Key_S)}, &FrmMain::actSave_Triggered, &FrmMain::actSave},
        {"New Set", {QKeySequence(Qt::CTRL | Qt::Key_N)}, &FrmMain::keyNew_Activated, nullptr},
        {"Open Set", {QKeySequence(Qt::CTRL | Qt::Key_O)}, &FrmMain::keyOpen_Activated, nullptr},
        {"Keys", {QKeySequence(Qt::Key_F1)}, &FrmMain::keyHelp_Activated, nullptr},
        {"Attributes", {QKeySequence(Qt::Key_F2)}, &FrmMain::keyAttributes_Activated, nullptr},
        {"Play", {QKeySequence(Qt::Key_F3)}, &FrmMain::keyAnimate_Activated, nullptr},
        {"Reload Tiles", {QKeySequence(Qt::Key_F5)}, &FrmMain::keyReload_Activated, nullptr},
        {"Zoom In",
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         &FrmMain::keyZoomIn_Activated,
         nullptr},
        {"Zoom Out", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, &FrmMain::keyZoomOut_Activated, nullptr},
        {"Zoom 1x", {QKeySequence(Qt::CTRL | Qt::Key_0)}, &FrmMain::keyZoomReset_Activated, nullptr},
        {"Select All", {QKeySequence(Qt::CTRL | Qt::Key_A)}, &FrmMain::keySelectAll_Activated, nullptr},
        {"Copy", {QKeySequence(Qt::CTRL | Qt::Key_C)}, &FrmMain::keyCopy_Activated, nullptr},
        {"Paste", {QKeySequence(Qt::CTRL | Qt::Key_V)}, &FrmMain::keyPaste_Activated, nullptr},
        {"Paste With Frames",
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)},
         &FrmMain::keyPasteWithFrames_Activated,
         nullptr},
        {"Suggestions", {QKeySequence(Qt::Key_F6)}, &FrmMain::keySuggestions_Activated, nullptr},
        {"Try", {QKeySequence(Qt::Key_F7)}, &FrmMain::keyTry_Activated, nullptr},
        {"Select Same Art", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A)}, &FrmMain::keySameArt_Activated, nullptr},
        {"Select Same Values",
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T)},
         &FrmMain::keySameValues_Activated,
         nullptr},
    };
    for (const WindowKey& key : keys) {
        auto* action = new QAction(QString::fromLatin1(key.Name), this);
        action->setShortcuts(key.Keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, [this, handler = key.Handler] { (this->*handler)(); });
        if (key.Action != nullptr) {
            this->*key.Action = action;
        }
    }
}

}  // namespace mosalind
