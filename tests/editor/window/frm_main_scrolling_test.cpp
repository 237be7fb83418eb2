// The two scrolled views: scroll bar setup from the content's size, and the content
// following the bar.
#include <gtest/gtest.h>
#include <QGroupBox>
#include <QScrollBar>

#include "window/frm_main.h"
#include "window/scripted_dialogs.h"

namespace mosalind {
namespace {

class FrmMainScrollingTest : public ::testing::Test {
protected:
    void SetUp() override { window.frmControls->setEnabled(true); }

    ScriptedDialogs dialogs;
    FrmMain window{&dialogs};
};

// The range runs to the content's height less the view's 357 pixels; none is left off.
TEST_F(FrmMainScrollingTest, TheBarRunsFromZeroToWhatTheViewDoesNotShow) {
    const struct {
        int Height;
        bool Enabled;
        int Maximum;
    } cases[] = {{70 * 16, true, 763}, {357, false, 0}, {358, true, 1}};
    for (const auto& c : cases) {
        window.picTilesScroller->resize(208, c.Height);
        window.picTilesScroller->SetTop(-40);
        window.SetScrollbarTiles();
        EXPECT_EQ(window.picTilesScroller->Top(), 0) << c.Height;
        EXPECT_EQ(window.scrTiles->minimum(), 0) << c.Height;
        EXPECT_EQ(window.scrTiles->isEnabled(), c.Enabled) << c.Height;
        if (c.Enabled) {
            EXPECT_EQ(window.scrTiles->maximum(), c.Maximum) << c.Height;
        }
    }
}

TEST_F(FrmMainScrollingTest, ChangeAndScrollMoveTheContentToMinusTheValue) {
    window.picTilesScroller->resize(208, 1120);
    window.SetScrollbarTiles();
    window.scrTiles->setValue(200);  // Change
    EXPECT_EQ(window.picTilesScroller->Top(), -200);
    window.scrTiles->setValue(763);
    EXPECT_EQ(window.picTilesScroller->Top(), -763);
    EXPECT_EQ(window.picTilesScroller->geometry().bottom() + 1, 357);  // bottom edges meet

    // Dragging the thumb: the content follows every move, and stays where it is released.
    window.scrTiles->setSliderDown(true);
    window.scrTiles->setSliderPosition(96);
    EXPECT_EQ(window.picTilesScroller->Top(), -96);
    window.scrTiles->setSliderPosition(104);
    EXPECT_EQ(window.picTilesScroller->Top(), -104);
    window.scrTiles->setSliderDown(false);
    EXPECT_EQ(window.scrTiles->value(), 104);
    EXPECT_EQ(window.picTilesScroller->Top(), -104);
}

TEST_F(FrmMainScrollingTest, TallestSheetScrollsBeyond16BitPixelOffsets) {
    // 2,520 rows of cells: the range 0 to 39,963 does not fit 16 bits and must not wrap.
    QImage sheet(208, 40320, QImage::Format_Indexed8);
    sheet.setColorCount(16);
    sheet.fill(0);
    window.picBMPScroller->SetPicture(sheet);
    window.SetScrollbarBMP();
    EXPECT_EQ(window.scrBMP->maximum(), 40320 - 357);
    window.scrBMP->setValue(window.scrBMP->maximum());
    EXPECT_EQ(window.picBMPScroller->Top(), -39963);
}

}  // namespace
}  // namespace mosalind
