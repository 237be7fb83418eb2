// The history as a property: any sequence of edits, undone step by step, gives back the
// bytes Save wrote before each edit, and redone gives back those after it.
#include <gtest/gtest.h>
#include <QUndoStack>
#include <QWheelEvent>

#include <random>

#include "editing/frm_main_editing_fixture.h"

namespace mosalind {
namespace {

using dev_support::Bytes;

class History : public EditingWindow {
protected:
    // One random user action on a random tile: a tile type, a blocking kind, SET SLOPE
    // with random side boxes and levels (sometimes an invalid slope), or a frame's cell.
    void RandomEdit() {
        driver.SelectTile(Pick(0, kTiles - 1));
        switch (Pick(0, 3)) {
            case 0:
                driver.Choose(window.cboBehaviour, Pick(0, window.cboBehaviour->count() - 1));
                break;
            case 1:
                driver.Choose(window.cboBlocking[Pick(0, 3)], Pick(0, 3));
                break;
            case 2:
                for (QPushButton* box : window.chkSlope) {
                    if (Pick(0, 1) == 1) {
                        driver.Click(box);
                    }
                }
                driver.PickSlopeLevel(true, Pick(0, 4));
                driver.PickSlopeLevel(false, Pick(0, 4));
                driver.Click(window.cmdSetSlope);
                break;
            default:
                driver.ChooseFrame(Pick(0, 7));
                driver.AssignCell(Pick(0, kTiles - 1));
                break;
        }
    }

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    std::mt19937 random{20261208};
};

TEST_F(History, UndoAndRedoGiveBackTheBytesOfEveryStep) {
    // saved[i]: what Save writes with i steps in the history; tiles[i]: the tile of step i + 1.
    std::vector<Bytes> saved{Saved()};
    std::vector<std::int16_t> tiles;
    for (int action = 0; action < 300; ++action) {
        const int before = window.History->count();
        RandomEdit();
        const Bytes now = Saved();
        if (window.History->count() == before) {
            EXPECT_EQ(now, saved.back()) << "an action that is no step changed the document, action " << action;
            continue;
        }
        ASSERT_EQ(window.History->count(), before + 1) << action;
        EXPECT_NE(now, saved.back()) << action;
        saved.push_back(now);
        tiles.push_back(window.CurrentTile);
    }
    const int steps = window.History->count();
    ASSERT_GT(steps, 150);  // the seed gives many steps of every kind

    // The keys for the first and last steps, the actions for the rest.
    for (int step = steps; step > 0; --step) {
        if (step > steps - 3 || step < 3) {
            driver.Press(QKeySequence(Qt::CTRL | Qt::Key_Z));
        } else {
            window.actUndo->trigger();
        }
        ASSERT_EQ(window.History->index(), step - 1);
        EXPECT_EQ(window.CurrentTile, tiles[step - 1]) << step;
        EXPECT_EQ(Saved(), saved[step - 1]) << "undoing step " << step;
    }
    window.actUndo->trigger();  // nothing left to undo
    EXPECT_EQ(Saved(), saved[0]);

    for (int step = 1; step <= steps; ++step) {
        if (step < 3) {
            driver.Press(QKeySequence(step == 1 ? Qt::CTRL | Qt::Key_Y : Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
        } else {
            window.actRedo->trigger();
        }
        ASSERT_EQ(window.History->index(), step);
        EXPECT_EQ(window.CurrentTile, tiles[step - 1]) << step;
        EXPECT_EQ(Saved(), saved[step]) << "redoing step " << step;
    }

    // A new edit after undoing half drops the steps that could have been redone.
    const int half = steps / 2;
    while (window.History->index() > half) {
        window.actUndo->trigger();
    }
    const std::int16_t tile = tiles[half];
    driver.SelectTile(tile);
    const int row = window.cboBehaviour->currentIndex() == 1 ? 2 : 1;
    driver.Choose(window.cboBehaviour, row);
    EXPECT_EQ(window.History->count(), half + 1);
    EXPECT_FALSE(window.History->canRedo());
    const Bytes edited = Saved();
    EXPECT_EQ(AttributeByte(edited, 0, tile), row);
    window.actRedo->trigger();
    EXPECT_EQ(Saved(), edited);
    window.actUndo->trigger();
    EXPECT_EQ(Saved(), saved[half]);
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
        EXPECT_EQ(driver.Attribute(1, window.CurrentTile) & 3, list->currentIndex());
    }
}

}  // namespace
}  // namespace mosalind
