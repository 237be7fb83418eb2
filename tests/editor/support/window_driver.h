// Drives the editor's window as a user would: clicks on its buttons and picture boxes,
// rows chosen in its lists, file dialogs answered from a script. Header-only, because the
// plain test program, which has no Qt, builds every .cpp of this folder.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <functional>
#include <string>

#include "window/frm_main.h"
#include "window/scripted_dialogs.h"

namespace testing_support {

class WindowDriver {
public:
    WindowDriver() : Window(&Dialogs) {
        Window.show();
        static_cast<void>(QTest::qWaitForWindowExposed(&Window));
    }

    mosalind::ScriptedDialogs Dialogs;
    mosalind::FrmMain Window;

    // ---- Commands ----
    void LoadTiles(const std::string& path) {
        Dialogs.AnswerNextFileDialog(QString::fromStdString(path));
        Click(Window.cmdLoad);
    }
    // Frame count row 0 is 4 frames, row 1 is 8.
    void New(int frameCountRow) {
        Choose(Window.cboFrameCount, frameCountRow);
        Click(Window.cmdNew);
    }
    void Open(const std::string& path) {
        Dialogs.AnswerNextFileDialog(QString::fromStdString(path));
        Click(Window.cmdOpen);
    }
    void Save(const std::string& path) {
        Dialogs.AnswerNextFileDialog(QString::fromStdString(path));
        Click(Window.cmdSave);
    }

    // ---- Controls ----
    static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // Keys pressed with the window active, as its shortcuts need.
    void Press(const QKeySequence& keys) {
        Window.activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(&Window));
        QTest::keySequence(&Window, keys);
    }

    // Picks a row the way a user does: only in a usable list, and the list reports it.
    static void Choose(QComboBox* list, int row) {
        if (!list->isEnabled()) {
            return;
        }
        list->setCurrentIndex(row);
        emit list->activated(row);
    }

    // A press and release at a pixel of the widget (QTest would move a click at (0, 0) to
    // the widget's centre).
    static void ClickAt(QWidget* box, int x, int y, Qt::MouseButton button = Qt::LeftButton,
                        Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPointF local(x, y);
        const QPointF global = box->mapToGlobal(local);
        QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, modifiers);
        QApplication::sendEvent(box, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton, modifiers);
        QApplication::sendEvent(box, &release);
    }

    // Points of a picture box with a border are given in its inner pixels.
    void ClickTileSheet(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        ClickAt(Window.picTilesScroller, x, y, button);
    }
    void ClickBitmap(int x, int y, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        ClickAt(Window.picBMPScroller, x, y, Qt::LeftButton, modifiers);
    }
    void ClickTileView(int x, int y) {
        const QPoint inner = Window.picTile->contentsRect().topLeft();
        ClickAt(Window.picTile, inner.x() + x, inner.y() + y);
    }

    // A click into the tile view that picks `level` on the left or right half.
    void PickSlopeLevel(bool leftHalf, int level) {
        const int width = static_cast<int>(Window.picTile->ScaleWidth());
        const int height = static_cast<int>(Window.picTile->ScaleHeight());
        // The middle of the level's band: 5y near (k + 1/2) x height.
        const int y = ((2 * level + 1) * height) / 10;
        ClickTileView(leftHalf ? 2 : width - 3, y);
    }

    void SelectTile(int tile) { ClickTileSheet((tile % 13) * 16 + 8, (tile / 13) * 16 + 8); }
    void ChooseFrame(int frame) { Click(Window.optAnim[frame]); }
    void AssignCell(int cell, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        ClickBitmap((cell % 13) * 16 + 5, (cell / 13) * 16 + 5, modifiers);
    }

    std::int16_t Attribute(int slot, int tile) const { return Window.Session.Set().TileAttributes[slot][tile]; }
    std::int16_t Frame(int frame, int tile) const { return Window.Session.Set().TileFrames[frame][tile]; }

    // Gives a tile a value the controls cannot, as an opened file may hold it: an edit of
    // the session, outside the history.
    void PutAttribute(int slot, int tile, std::int16_t value) {
        Put(tile, [slot, value](mosalind::TileValues& values) {
            (slot == 0 ? values.TileType : values.Sides[static_cast<std::size_t>(slot - 1)]) = value;
        });
    }
    void PutFrame(int frame, int tile, std::int16_t cell) {
        Put(tile,
            [frame, cell](mosalind::TileValues& values) { values.Frames[static_cast<std::size_t>(frame)] = cell; });
    }
    void Put(int tile, const std::function<void(mosalind::TileValues&)>& change) {
        mosalind::EditingSession& session = Window.Session;
        session.Apply(session.MakeEdit("Put", {static_cast<std::int16_t>(tile)},
                                       [&change](std::int16_t, mosalind::TileValues& values) { change(values); }));
    }
};

}  // namespace testing_support
