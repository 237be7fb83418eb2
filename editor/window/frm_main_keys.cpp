#include <QAction>
#include <QKeySequence>

#include "window/frm_main.h"

namespace mosalind {

namespace {

QAction* AddKeys(QWidget* window, const QString& name, const QList<QKeySequence>& keys) {
    auto* action = new QAction(name, window);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

}  // namespace

// The keys of the window, besides the buttons' Alt mnemonics (Alt+L, Alt+O, Alt+S):
// Ctrl+Z undoes the last edit, Ctrl+Shift+Z and Ctrl+Y redo it, Ctrl+S saves.
void FrmMain::BuildKeys() {
    actUndo = AddKeys(this, QStringLiteral("Undo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    actRedo = AddKeys(this, QStringLiteral("Redo"),
                      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    actSave = AddKeys(this, QStringLiteral("Save"), {QKeySequence(Qt::CTRL | Qt::Key_S)});
    connect(actUndo, &QAction::triggered, this, [this] { actUndo_Triggered(); });
    connect(actRedo, &QAction::triggered, this, [this] { actRedo_Triggered(); });
    connect(actSave, &QAction::triggered, this, [this] { actSave_Triggered(); });
}

}  // namespace mosalind
