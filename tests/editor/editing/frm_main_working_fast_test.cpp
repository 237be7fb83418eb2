// Many tiles at once: what clicks with Shift and Ctrl, Ctrl+A and the sheet's keys select,
// and the animations playing without touching the document.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QScrollBar>
#include <QTimer>

#include <array>
#include <functional>
#include <vector>

#include "editing/frm_main_editing_fixture.h"
#include "window/animation_playback.h"
#include "window/edit_history.h"
#include "window/window_test_support.h"

namespace mosalind {
namespace {

using window_test_support::Render;

class WorkingFast : public EditingWindow {
protected:
    void SetUp() override {
        EditingWindow::SetUp();
        QApplication::setActiveWindow(&window);
        window.activateWindow();
    }

    void ClickTile(int tile, Qt::KeyboardModifiers modifiers) {
        const QPointF local((tile % 13) * 16 + 8, (tile / 13) * 16 + 8);
        const QPointF global = window.picTilesScroller->mapToGlobal(local);
        QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, modifiers);
        QApplication::sendEvent(window.picTilesScroller, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, modifiers);
        QApplication::sendEvent(window.picTilesScroller, &release);
    }
    void Key(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }
    // A click on the list, which opens it, then on a row.
    void ClickRow(QComboBox* list, int row) {
        list->setFocus(Qt::MouseFocusReason);
        list->showPopup();
        QAbstractItemView* rows = list->view();
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                          rows->visualRect(rows->model()->index(row, 0)).center());
    }
};

TEST_F(WorkingFast, ClicksAndKeysSelectTheExpectedTiles) {
    // An action on the sheet: a click on a tile, a key with its modifiers (to the sheet, or
    // wherever the focus is), or a row clicked in an open list.
    constexpr int kToFocus = -2;
    struct Action {
        int Tile;  // -1: a key or a row; kToFocus: a key
        int Key;   // the row in List
        Qt::KeyboardModifiers Modifiers;
        QComboBox* List = nullptr;
    };
    const auto click = [](int tile, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        return Action{tile, 0, modifiers};
    };
    const auto key = [](int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { return Action{-1, k, modifiers}; };
    const auto rowClicked = [](QComboBox* list, int row) { return Action{-1, row, Qt::NoModifier, list}; };
    const auto keyToFocus = [](int k) { return Action{kToFocus, k, Qt::NoModifier}; };
    const struct {
        const char* Why;
        std::vector<Action> Actions;
        std::vector<std::int16_t> Selected;
        int Current;
    } cases[] = {
        {"a plain click selects the tile alone", {click(5, Qt::ShiftModifier), click(28)}, {28}, 28},
        {"Shift takes the rectangle from the last plain click",
         {click(15), click(29, Qt::ShiftModifier)},
         {15, 16, 28, 29},
         29},
        {"Ctrl adds and removes one tile; the nearest selected tile is current then",
         {click(3), click(7, Qt::ControlModifier), click(900, Qt::ControlModifier), click(3, Qt::ControlModifier)},
         {7, 900},
         7},
        {"Ctrl+Shift adds a rectangle",
         {click(0), click(26, Qt::ControlModifier), click(27, Qt::ControlModifier | Qt::ShiftModifier)},
         {0, 26, 27},
         27},
        {"Ctrl+A selects every tile of the set and keeps the current one",
         {click(60), key(Qt::Key_A, Qt::ControlModifier)},
         testing_support::TileRange(0, kTiles),
         60},
        {"Shift+arrows extend the rectangle from the last tile reached without Shift",
         {click(14), key(Qt::Key_Right, Qt::ShiftModifier), key(Qt::Key_Down, Qt::ShiftModifier)},
         {14, 15, 27, 28},
         28},
        {"a row clicked in a list gives the arrows back to the sheet",
         {click(20), rowClicked(window.cboBlocking[2], 1), keyToFocus(Qt::Key_Right)},
         {21},
         21},
        {"Page Down moves a screen of 22 rows", {click(1), key(Qt::Key_PageDown)}, {1 + 22 * 13}, 287},
        {"Alt+Shift takes the run in reading order",
         {click(11), click(15, Qt::AltModifier | Qt::ShiftModifier)},
         testing_support::TileRange(11, 16),
         15},
        {"Ctrl+Shift+A selects the tiles of the same art: the sheet's pattern repeats every 240 cells",
         {click(5), key(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier)},
         {5, 245, 485, 725},
         5},
        {"Ctrl+Shift+T selects the tiles of the same values: only tile 20 blocks at the bottom (see above)",
         {click(20), key(Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier)},
         {20},
         20},
    };
    // As a first click on the sheet does (the clicks here are not the desktop's own).
    window.picTilesScroller->setFocus(Qt::MouseFocusReason);
    for (const auto& c : cases) {
        for (const Action& action : c.Actions) {
            if (action.Tile >= 0) {
                ClickTile(action.Tile, action.Modifiers);
            } else if (action.List != nullptr) {
                ClickRow(action.List, action.Key);
            } else if (action.Tile == kToFocus) {
                ASSERT_NE(window.focusWidget(), nullptr) << c.Why;
                Key(window.focusWidget(), action.Key, action.Modifiers);
            } else {
                // The window's own keys have Ctrl; the sheet's keys go to the sheet.
                Key(action.Modifiers & Qt::ControlModifier ? static_cast<QWidget*>(&window) : window.picTilesScroller,
                    action.Key, action.Modifiers);
            }
        }
        EXPECT_EQ(window.Session.Selection().Tiles(), c.Selected) << c.Why;
        EXPECT_EQ(window.Session.CurrentTile(), c.Current) << c.Why;
        EXPECT_EQ(window.lblTileNum->text(), QString("Current Tile: %1").arg(c.Current)) << c.Why;
    }
}

TEST_F(WorkingFast, KeysScrollTheCurrentTileIntoViewAndTheWheelMovesTheBar) {
    ClickTile(0, Qt::NoModifier);
    EXPECT_EQ(window.scrTiles->value(), 0);
    Key(window.picTilesScroller, Qt::Key_End);
    EXPECT_EQ(window.scrTiles->value(), 763);  // the last row's bottom meets the viewport's
    Key(window.picTilesScroller, Qt::Key_PageUp);
    // Tile 909 - 22 rows lies in row 47, at 752: just above the view from 763 down.
    EXPECT_EQ(window.scrTiles->value(), 752);
    Key(window.picTilesScroller, Qt::Key_Home);
    EXPECT_EQ(window.scrTiles->value(), 0);
    EXPECT_EQ(window.picTilesScroller->Top(), 0);

    // One notch down over the sheet moves the bar as a notch over the bar does.
    const int notch = QApplication::wheelScrollLines() * window.scrTiles->singleStep();
    for (QWidget* over :
         {static_cast<QWidget*>(window.picTilesScroller), static_cast<QWidget*>(window.picBMPScroller)}) {
        QWheelEvent wheel(QPointF(20, 20), over->mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &wheel);
    }
    EXPECT_EQ(window.scrTiles->value(), notch);
    EXPECT_EQ(window.picTilesScroller->Top(), -notch);
    EXPECT_EQ(window.scrBMP->value(), notch);
    EXPECT_EQ(window.picBMPScroller->Top(), -notch);
}

// Each control and key edits every tile of a selection made with the mouse, in one step
// that Ctrl+Z undoes whole; the selection stays. What the session's edits write is tested
// with the session (SessionHistory.EditsWriteTheirValuesIntoTheSelectedTiles).
TEST_F(WorkingFast, ControlsAndKeysEditTheWholeSelectionInOneStep) {
    // Tile 100, to copy: type 7, side s the word 0x90 | s, frame f on cell 500 + f.
    driver.Put(100, [](TileValues& values) {
        values = {7, {0x90, 0x91, 0x92, 0x93}, {500, 501, 502, 503, 504, 505, 506, 507}};
    });
    driver.SelectTile(100);
    driver.Press(QKeySequence(Qt::CTRL | Qt::Key_C));
    ClickTile(15, Qt::NoModifier);
    ClickTile(29, Qt::ShiftModifier);
    ClickTile(300, Qt::ControlModifier);
    const std::vector<std::int16_t> chosen{15, 16, 28, 29, 300};
    ASSERT_EQ(window.Session.Selection().Tiles(), chosen);

    const struct {
        const char* Why;
        std::function<void()> Edit;
        std::function<bool(const TileValues&)> Done;
    } edits[] = {
        {"a tile type", [&] { driver.Choose(window.cboBehaviour, 24); }, [](auto& v) { return v.TileType == 24; }},
        {"a blocking kind", [&] { driver.Choose(window.cboBlocking[3], 2); }, [](auto& v) { return v.Sides[3] == 2; }},
        {"SET SLOPE (4, 0) on the top side",
         [&] {
             driver.Click(window.chkSlope[0]);
             driver.PickSlopeLevel(true, 4);
             driver.PickSlopeLevel(false, 0);
             driver.Click(window.cmdSetSlope);
         },
         [](auto& v) { return v.Sides[0] == 0xCC && v.Sides[3] == 2; }},
        {"Ctrl+V", [&] { driver.Press(QKeySequence(Qt::CTRL | Qt::Key_V)); },
         [](auto& v) { return v.TileType == 7 && v.Sides[2] == 0x92 && v.Frames[1] != 501; }},
        {"Ctrl+Shift+V", [&] { driver.Press(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)); },
         [](auto& v) { return v.Frames[1] == 501 && v.Frames[7] == 507; }},
    };
    std::vector<dev_support::Bytes> before;
    for (const auto& edit : edits) {
        before.push_back(Saved());
        const int steps = window.History->count();
        edit.Edit();
        EXPECT_EQ(window.History->count(), steps + 1) << edit.Why;
        for (const std::int16_t tile : chosen) {
            EXPECT_TRUE(edit.Done(ReadTileValues(window.Session.Set(), tile))) << edit.Why << ", tile " << tile;
        }
        EXPECT_EQ(window.Session.Set().TileAttributes[0][17], 0) << edit.Why << ": a tile not selected";
        EXPECT_EQ(window.Session.Selection().Tiles(), chosen) << edit.Why;
    }
    for (std::size_t step = before.size(); step-- > 0;) {
        driver.Press(QKeySequence(Qt::CTRL | Qt::Key_Z));
        EXPECT_EQ(Saved(), before[step]) << "undoing " << edits[step].Why;
    }
}

TEST_F(WorkingFast, PlayingAnimationsDrawsOnlyAndAClickStopsIt) {
    // Tile 14 shows cell 40 + f in frame f; frame 3 is the current one.
    for (int frame = 0; frame < 8; ++frame) {
        driver.PutFrame(frame, 14, static_cast<std::int16_t>(40 + frame));
    }
    driver.SelectTile(14);
    driver.ChooseFrame(3);
    const TileSet before = window.Session.Set();
    const QImage still = Render(window.picTile);
    const QImage sheetStill = Render(window.picTilesScroller);

    Key(&window, Qt::Key_F3);
    ASSERT_TRUE(window.Playback->Timer().isActive());
    EXPECT_EQ(window.Playback->Timer().interval(), 125);  // 8 frames a second
    std::vector<QImage> shown;
    for (int step = 0; step < 8; ++step) {
        window.Playback->Step();
        shown.push_back(Render(window.picTile));
        if (step == 0) {
            EXPECT_NE(Render(window.picTilesScroller), sheetStill);
        }
        EXPECT_EQ(window.Session.CurrentFrame(), 3);
        EXPECT_TRUE(window.optAnim[3]->isChecked());
        EXPECT_EQ(window.lblBMPNum->text(), "Offset in Bitmap: 43");
    }
    EXPECT_NE(shown[0], still);
    EXPECT_EQ(shown[7], still);  // eight steps bring frame 3 round again
    EXPECT_NE(shown[0], shown[1]);
    EXPECT_TRUE(window.Session.Set().TileAttributes == before.TileAttributes);
    EXPECT_TRUE(window.Session.Set().TileFrames == before.TileFrames);

    // A click stops playing first; it then does what it does on the still window.
    window.Playback->Step();
    driver.AssignCell(100);
    EXPECT_FALSE(window.Playback->Timer().isActive());
    EXPECT_EQ(window.Session.Set().TileFrames[3][14], 100);
    EXPECT_EQ(window.Session.Set().TileFrames[4][14], 44);
    EXPECT_EQ(window.Session.CurrentFrame(), 3);

    // So does an edit from the keyboard.
    Key(&window, Qt::Key_F3);
    window.Playback->Step();
    driver.Press(QKeySequence(Qt::CTRL | Qt::Key_C));
    driver.Press(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    EXPECT_FALSE(window.Playback->Timer().isActive());
    EXPECT_FALSE(window.Playback->IsPlaying());
}

TEST_F(WorkingFast, OverlayAndHelpOnlyDraw) {
    driver.PutAttribute(0, 30, 17);
    driver.PutAttribute(1, 30, 0x81);
    const TileSet before = window.Session.Set();
    const QImage plain = Render(window.picTilesScroller);
    Key(&window, Qt::Key_F2);
    const QImage overlay = Render(window.picTilesScroller);
    // Tile 30 (x 64, y 32) gains its marks; tile 31, without attributes, stays as it was.
    EXPECT_NE(overlay.copy(64, 32, 16, 16), plain.copy(64, 32, 16, 16));
    EXPECT_EQ(overlay.copy(80, 32, 16, 16), plain.copy(80, 32, 16, 16));
    // An edit shows at once: another type, on the same sides, gives another number.
    driver.SelectTile(30);
    driver.Choose(window.cboBehaviour, 18);
    EXPECT_NE(Render(window.picTilesScroller).copy(64, 32, 16, 16), overlay.copy(64, 32, 16, 16));
    driver.Press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Key(&window, Qt::Key_F2);
    driver.SelectTile(0);  // the red frame where it was
    EXPECT_EQ(Render(window.picTilesScroller), plain);
    EXPECT_TRUE(window.Session.Set().TileAttributes == before.TileAttributes);

    Key(&window, Qt::Key_F1);
    ASSERT_EQ(driver.Dialogs.Messages.size(), 1U);
    for (const char* keys : {"Shift+Click", "Ctrl+A", "Ctrl+C", "Ctrl+Shift+V", "Alt+L", "Alt+O", "Alt+S", "Ctrl+Z",
                             "Ctrl+Shift+Z, Ctrl+Y", "Ctrl+S", "F5", "F2", "F3", "Ctrl+0", "Ctrl+O", "Ctrl+N", "F6"}) {
        EXPECT_TRUE(driver.Dialogs.Messages[0].contains(keys)) << keys;
    }
}

}  // namespace
}  // namespace mosalind
