// The history in the window: the keys, what an undone step shows, and the wheel that must
// not make steps. The steps themselves are the session's (editing_session_test.cpp).
#include <gtest/gtest.h>
#include <QWheelEvent>

#include "editing/frm_main_editing_fixture.h"
#include "window/edit_history.h"

namespace mosalind {
namespace {

using History = EditingWindow;

// The keys reach the history, and a step undone or redone shows the tile it changed (and a
// frame's cell its frame), wherever the user has gone since.
TEST_F(History, KeysUndoAndRedoAndShowTheStepsTile) {
    driver.SelectTile(40);
    driver.Choose(window.cboBehaviour, 17);
    driver.SelectTile(41);
    driver.ChooseFrame(2);
    driver.AssignCell(300);
    driver.ChooseFrame(0);
    driver.SelectTile(500);
    ASSERT_EQ(window.History->count(), 2);

    driver.Press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(driver.Frame(2, 41), 41);
    EXPECT_EQ(window.lblTileNum->text(), "Current Tile: 41");
    EXPECT_TRUE(window.optAnim[2]->isChecked());
    EXPECT_EQ(window.lblBMPNum->text(), "Offset in Bitmap: 41");
    driver.Press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(driver.Attribute(0, 40), 0);
    EXPECT_EQ(window.lblTileNum->text(), "Current Tile: 40");
    EXPECT_EQ(window.cboBehaviour->currentText(), "Nothing");

    driver.Press(QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(window.cboBehaviour->currentText(), "Exit");
    driver.Press(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    EXPECT_EQ(driver.Frame(2, 41), 300);
    EXPECT_EQ(window.lblBMPNum->text(), "Offset in Bitmap: 300");
    EXPECT_EQ(window.History->index(), 2);
}

TEST_F(History, TheWheelLeavesAListWithoutTheFocusAlone) {
    driver.Choose(window.cboBlocking[0], 1);
    const int steps = window.History->count();
    QComboBox* list = window.cboBlocking[0];
    for (QComboBox* withFocus : {static_cast<QComboBox*>(nullptr), list}) {
        if (withFocus) {
            withFocus->setFocus();
        }
        const QPointF centre(list->width() / 2.0, list->height() / 2.0);
        QWheelEvent wheel(centre, list->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(list, &wheel);
        const bool changed = list->currentIndex() != 1;
        EXPECT_EQ(changed, withFocus != nullptr);
        EXPECT_EQ(window.History->count(), steps + (changed ? 1 : 0));
        EXPECT_EQ(driver.Attribute(1, window.Session.CurrentTile()) & 3, list->currentIndex());
    }
}

}  // namespace
}  // namespace mosalind
