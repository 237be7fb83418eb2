// The window as it looks before anything is loaded: where every control is, what it says,
// what can be used.
#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "window/frm_main.h"
#include "window/scripted_dialogs.h"

namespace mosalind {
namespace {

QStringList Rows(const QComboBox* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i) {
        rows << list->itemText(i);
    }
    return rows;
}

class FrmMainLayoutTest : public ::testing::Test {
protected:
    ScriptedDialogs dialogs;
    FrmMain window{&dialogs};
};

TEST_F(FrmMainLayoutTest, WindowOpensAtTheDesignClientSizeItsSmallestWithItsCaption) {
    EXPECT_EQ(window.windowTitle(), "Mosalind");
    EXPECT_EQ(window.size(), QSize(727, 503));
    EXPECT_EQ(window.minimumSize(), QSize(727, 503));
    EXPECT_GT(window.maximumWidth(), 727);
    EXPECT_GT(window.maximumHeight(), 503);
}

TEST_F(FrmMainLayoutTest, EveryControlSitsAtItsDesignPixelsInItsContainer) {
    struct Expected {
        const char* Name;
        QWidget* Control;
        QWidget* Container;
        QRect Geometry;
    };
    const std::vector<Expected> table = {
        {"txtTileCount", window.txtTileCount, &window, {440, 16, 57, 19}},
        {"cboFrameCount", window.cboFrameCount, &window, {440, 40, 57, 21}},
        {"fraOut", window.fraOut, &window, {272, 8, 89, 49}},
        {"cmdSave", window.cmdSave, window.fraOut, {8, 16, 73, 25}},
        {"fraIn", window.fraIn, &window, {88, 8, 177, 49}},
        {"cmdNew", window.cmdNew, window.fraIn, {8, 16, 73, 25}},
        {"cmdOpen", window.cmdOpen, window.fraIn, {88, 16, 73, 25}},
        {"cmdLoad", window.cmdLoad, &window, {8, 16, 73, 41}},
        {"frmControls", window.frmControls, &window, {8, 72, 713, 417}},
        {"cmdSetSlope", window.cmdSetSlope, window.frmControls, {504, 48, 49, 41}},
        {"cboBlocking(0)", window.cboBlocking[0], window.frmControls, {584, 80, 57, 21}},
        {"cboBlocking(1)", window.cboBlocking[1], window.frmControls, {648, 144, 57, 21}},
        {"cboBlocking(2)", window.cboBlocking[2], window.frmControls, {584, 192, 57, 21}},
        {"cboBlocking(3)", window.cboBlocking[3], window.frmControls, {496, 144, 57, 21}},
        {"chkSlope(0)", window.chkSlope[0], window.frmControls, {560, 80, 17, 17}},
        {"chkSlope(1)", window.chkSlope[1], window.frmControls, {664, 120, 17, 17}},
        {"chkSlope(2)", window.chkSlope[2], window.frmControls, {560, 192, 17, 17}},
        {"chkSlope(3)", window.chkSlope[3], window.frmControls, {520, 120, 17, 17}},
        {"picBMP", window.picBMP, window.frmControls, {0, 40, 241, 361}},
        {"scrBMP", window.scrBMP, window.picBMP->Inner(), {220, 0, 17, 357}},
        {"picBMPScroller", window.picBMPScroller, window.picBMP->Inner(), {0, 0, 105, 129}},
        {"shpBMPSel", window.shpBMPSel, window.picBMPScroller, {0, 0, 21, 21}},
        {"picTiles", window.picTiles, window.frmControls, {248, 40, 241, 361}},
        {"picTilesScroller", window.picTilesScroller, window.picTiles->Inner(), {0, 0, 208, 1120}},
        {"shpTileSel", window.shpTileSel, window.picTilesScroller, {0, 0, 21, 21}},
        {"scrTiles", window.scrTiles, window.picTiles->Inner(), {220, 0, 17, 357}},
        {"picTile", window.picTile, window.frmControls, {560, 104, 81, 81}},
        {"cboBehaviour", window.cboBehaviour, window.frmControls, {560, 16, 129, 21}},
        {"lblBMPNum", window.lblBMPNum, window.frmControls, {8, 16, 137, 17}},
        {"lblFrame", window.lblFrame, window.frmControls, {376, 16, 105, 17}},
        {"lblTileNum", window.lblTileNum, window.frmControls, {248, 16, 97, 17}},
        {"lblBehaviour", window.lblBehaviour, window.frmControls, {496, 16, 57, 17}},
        {"Label1", window.Label1, &window, {360, 40, 73, 25}},
        {"lblTileCount", window.lblTileCount, &window, {360, 16, 73, 17}},
    };
    for (const Expected& row : table) {
        ASSERT_NE(row.Control, nullptr) << row.Name;
        EXPECT_EQ(row.Control->parentWidget(), row.Container) << row.Name;
        EXPECT_EQ(row.Control->geometry(), row.Geometry) << row.Name;
    }
    for (int i = 0; i < 8; ++i) {
        const int left = 504 + 48 * (i % 4);
        EXPECT_EQ(window.picAnim[i]->parentWidget(), window.frmControls) << "picAnim " << i;
        EXPECT_EQ(window.picAnim[i]->geometry(), QRect(left, i < 4 ? 248 : 336, 41, 41)) << "picAnim " << i;
        EXPECT_EQ(window.optAnim[i]->parentWidget(), window.frmControls) << "optAnim " << i;
        EXPECT_EQ(window.optAnim[i]->geometry(), QRect(left + 8, i < 4 ? 296 : 384, 25, 25)) << "optAnim " << i;
    }
}

TEST_F(FrmMainLayoutTest, ViewportsHaveASunkenBorderAroundA237By357InnerArea) {
    for (PictureBox* viewport : {window.picBMP, window.picTiles}) {
        EXPECT_EQ(viewport->Inner()->geometry(), QRect(2, 2, 237, 357));
        EXPECT_EQ(viewport->ScaleWidth(), 237);
        EXPECT_EQ(viewport->ScaleHeight(), 357);
    }
    // The sheets have no border: 208 pixels hold exactly 13 cells.
    EXPECT_EQ(window.picTilesScroller->ScaleWidth(), 208);
    EXPECT_EQ(window.picTilesScroller->ScaleHeight(), 1120);
    for (PictureBox* frameView : window.picAnim) {
        EXPECT_EQ(frameView->ScaleWidth(), 15);
        EXPECT_EQ(frameView->ScaleHeight(), 15);
    }
}

TEST_F(FrmMainLayoutTest, CaptionsAndTextsAreTheDesignsWithAccessKeys) {
    EXPECT_EQ(window.txtTileCount->text(), "910");
    EXPECT_EQ(window.fraOut->title(), "OUT");
    EXPECT_EQ(window.fraIn->title(), "IN");
    EXPECT_EQ(window.frmControls->title(), "");
    EXPECT_EQ(window.cmdSave->text(), "&Save...");
    EXPECT_EQ(window.cmdNew->text(), "&New");
    EXPECT_EQ(window.cmdOpen->text(), "&Open...");
    EXPECT_EQ(window.cmdLoad->text(), "&Load Tiles...");
    EXPECT_EQ(window.cmdSetSlope->text(), "SET SLOPE");
    for (QPushButton* box : window.chkSlope) {
        EXPECT_EQ(box->text(), "S");
        EXPECT_TRUE(box->isCheckable());
    }
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(window.optAnim[i]->text(), QString("&%1").arg(i + 1));
        EXPECT_TRUE(window.optAnim[i]->isCheckable());
        EXPECT_EQ(window.optAnimGroup->button(i), window.optAnim[i]);
    }
    EXPECT_TRUE(window.optAnimGroup->exclusive());
    EXPECT_EQ(window.lblBMPNum->text(), "Offset in Bitmap:");
    EXPECT_EQ(window.lblFrame->text(), "Current Frame");
    EXPECT_EQ(window.lblTileNum->text(), "Current Tile: ");
    EXPECT_EQ(window.lblBehaviour->text(), "Tile Type:");
    EXPECT_EQ(window.Label1->text(), "Frame Count:");
    EXPECT_EQ(window.lblTileCount->text(), "Tile Count");
    EXPECT_EQ(QKeySequence::mnemonic(window.cmdLoad->text()), QKeySequence(Qt::ALT | Qt::Key_L));
}

TEST_F(FrmMainLayoutTest, ListsHoldTheirRowsExactlyAndNothingIsSelected) {
    EXPECT_EQ(Rows(window.cboFrameCount), QStringList({" 4", " 8"}));
    EXPECT_EQ(Rows(window.cboBlocking[0]), QStringList({"0 - Nothing", "1 - Blocking", "2 - Slippery", "3 - Icy"}));
    EXPECT_EQ(Rows(window.cboBlocking[1]), QStringList({"0 - Nothing", "1 - Blocking", "2 - x", "3 - x"}));
    EXPECT_EQ(Rows(window.cboBlocking[2]), QStringList({"0 - Nothing", "1 - Blocking", "2 - x", "3 - x"}));
    EXPECT_EQ(Rows(window.cboBlocking[3]), QStringList({"0 - Nothing", "1 - Blocking", "2- x", "3 -x "}));
    const QStringList behaviours = Rows(window.cboBehaviour);
    ASSERT_EQ(behaviours.size(), 32);
    EXPECT_EQ(behaviours[0], "Nothing");
    EXPECT_EQ(behaviours[2], "Door 1");
    EXPECT_EQ(behaviours[13], "Vaccuum");
    EXPECT_EQ(behaviours[23], "Light Switch");
    EXPECT_EQ(behaviours[28], "Single Bullet");
    EXPECT_EQ(behaviours[29], "---");
    EXPECT_EQ(behaviours[30], "Masked");
    EXPECT_EQ(behaviours[31], "Foreground");
    for (QComboBox* list : {window.cboFrameCount, window.cboBehaviour, window.cboBlocking[0], window.cboBlocking[1],
                            window.cboBlocking[2], window.cboBlocking[3]}) {
        EXPECT_FALSE(list->isEditable());
        EXPECT_EQ(list->currentIndex(), -1);
    }
}

TEST_F(FrmMainLayoutTest, OnlyLoadTilesIsUsableAtStartAndMarkersAndLineAreHidden) {
    window.show();
    EXPECT_TRUE(window.cmdLoad->isEnabled());
    EXPECT_TRUE(window.cboFrameCount->isEnabled());
    EXPECT_FALSE(window.txtTileCount->isEnabled());
    EXPECT_FALSE(window.fraIn->isEnabled());
    EXPECT_FALSE(window.fraOut->isEnabled());
    EXPECT_FALSE(window.frmControls->isEnabled());
    // A disabled frame disables what it holds.
    EXPECT_FALSE(window.cmdNew->isEnabled());
    EXPECT_FALSE(window.cmdSave->isEnabled());
    EXPECT_FALSE(window.cboBehaviour->isEnabled());
    EXPECT_FALSE(window.picTile->isEnabled());
    EXPECT_FALSE(window.scrBMP->isEnabled());
    EXPECT_TRUE(window.shpBMPSel->isHidden());
    EXPECT_TRUE(window.shpTileSel->isHidden());
    EXPECT_TRUE(window.linSlope->isHidden());
    for (QPushButton* button : window.optAnim) {
        EXPECT_FALSE(button->isChecked());
    }
    window.close();
}

TEST_F(FrmMainLayoutTest, ControlsInDisabledFramesRaiseNoEvents) {
    window.show();
    QSignalSpy newClicks(window.cmdNew, &QPushButton::clicked);
    QSignalSpy saveClicks(window.cmdSave, &QPushButton::clicked);
    QSignalSpy slopeClicks(window.chkSlope[0], &QPushButton::clicked);
    QSignalSpy frameClicks(window.optAnim[2], &QPushButton::clicked);
    QSignalSpy blockingRows(window.cboBlocking[0], &QComboBox::activated);
    int tileViewPresses = 0;
    window.picTile->MouseDown = [&](int, int, double, double) { ++tileViewPresses; };

    QTest::mouseClick(window.cmdNew, Qt::LeftButton);
    QTest::mouseClick(window.cmdSave, Qt::LeftButton);
    QTest::mouseClick(window.chkSlope[0], Qt::LeftButton);
    QTest::mouseClick(window.optAnim[2], Qt::LeftButton);
    QTest::keyClick(window.cboBlocking[0], Qt::Key_Down);
    QTest::mouseClick(window.picTile, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseClick(window.cmdSetSlope, Qt::LeftButton);
    QTest::mouseClick(window.picTilesScroller, Qt::LeftButton, {}, QPoint(40, 33));

    EXPECT_EQ(newClicks.count(), 0);
    EXPECT_EQ(saveClicks.count(), 0);
    EXPECT_EQ(slopeClicks.count(), 0);
    EXPECT_EQ(frameClicks.count(), 0);
    EXPECT_EQ(blockingRows.count(), 0);
    EXPECT_EQ(tileViewPresses, 0);
    EXPECT_FALSE(window.chkSlope[0]->isChecked());
    EXPECT_FALSE(window.optAnim[2]->isChecked());
    EXPECT_EQ(window.cboBlocking[0]->currentIndex(), -1);
    EXPECT_TRUE(dialogs.FileRequests.empty());
    EXPECT_TRUE(dialogs.Messages.empty());  // no SET SLOPE
    EXPECT_EQ(window.Session.CurrentTile(), 0);
    EXPECT_EQ(window.lblTileNum->text(), "Current Tile: ");
    window.close();
}

TEST_F(FrmMainLayoutTest, EnabledControlsReachTheirHandlers) {
    window.show();
    window.frmControls->setEnabled(true);
    QSignalSpy slopeClicks(window.chkSlope[1], &QPushButton::clicked);
    QSignalSpy blockingRows(window.cboBlocking[3], &QComboBox::activated);
    std::vector<std::pair<double, double>> presses;
    window.picTile->MouseDown = [&](int button, int, double x, double y) {
        EXPECT_EQ(button, 1);
        presses.emplace_back(x, y);
    };

    QTest::mouseClick(window.chkSlope[1], Qt::LeftButton);
    QTest::keyClick(window.cboBlocking[3], Qt::Key_Down);
    // The tile view reports presses in its inner pixels, inside the 2-pixel border.
    QTest::mouseClick(window.picTile, Qt::LeftButton, {}, QPoint(42, 12));

    EXPECT_EQ(slopeClicks.count(), 1);
    EXPECT_TRUE(window.chkSlope[1]->isChecked());
    EXPECT_EQ(blockingRows.count(), 1);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0], std::make_pair(40.0, 10.0));

    // The frame buttons are exclusive: choosing one releases the other.
    QTest::mouseClick(window.optAnim[1], Qt::LeftButton);
    QTest::mouseClick(window.optAnim[5], Qt::LeftButton);
    EXPECT_FALSE(window.optAnim[1]->isChecked());
    EXPECT_TRUE(window.optAnim[5]->isChecked());
    window.close();
}

TEST_F(FrmMainLayoutTest, ScrollBarsStepBy8AndPageBy128) {
    for (QScrollBar* bar : {window.scrBMP, window.scrTiles}) {
        EXPECT_EQ(bar->orientation(), Qt::Vertical);
        EXPECT_EQ(bar->singleStep(), 8);
        EXPECT_EQ(bar->pageStep(), 128);
    }
}

// Under the window's font every caption stays on one line, and every row of every list
// can be read: whole in the closed list, or else as the closed list's tool tip, and whole
// in the open list.
TEST_F(FrmMainLayoutTest, CaptionsFitOnOneLineAndEveryListRowCanBeReadWhole) {
    window.show();
    for (QLabel* label : {window.Label1, window.lblTileCount, window.lblBehaviour, window.lblBMPNum}) {
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
            << label->text().toStdString();
    }
    for (QPushButton* button : {window.cmdLoad, window.cmdSetSlope, window.cmdNew, window.cmdOpen, window.cmdSave}) {
        // Access-key ampersands take no room.
        const QString shown = QString(button->text()).remove('&');
        for (const QString& line : shown.split(' ')) {
            EXPECT_LT(button->fontMetrics().horizontalAdvance(line), button->width()) << shown.toStdString();
        }
    }
    std::vector<QComboBox*> lists{window.cboFrameCount, window.cboBehaviour};
    lists.insert(lists.end(), std::begin(window.cboBlocking), std::end(window.cboBlocking));
    for (QComboBox* list : lists) {
        int widest = 0;
        for (int row = 0; row < list->count(); ++row) {
            list->setCurrentIndex(row);
            const QString text = list->currentText();
            const int width = list->fontMetrics().horizontalAdvance(text);
            widest = std::max(widest, width);
            // The closed list's drop-down arrow and frame leave well under its full width.
            if (width > list->width() - 16) {
                EXPECT_EQ(list->toolTip(), text);
            } else {
                EXPECT_TRUE(list->toolTip().isEmpty() || list->toolTip() == text) << text.toStdString();
            }
        }
        EXPECT_GE(list->view()->minimumWidth(), widest) << list->itemText(0).toStdString();
    }
    // "1 - Blocking" cannot fit 57 pixels under any readable font.
    window.cboBlocking[0]->setCurrentIndex(1);
    EXPECT_EQ(window.cboBlocking[0]->toolTip(), "1 - Blocking");
    window.close();
}

}  // namespace
}  // namespace mosalind
