// The Try window (F7) over the sample set: a click paints the current tile into the map, the
// keys run the figure over it, the figure shows as a magenta outline, and an edit of the set
// changes the figure's world at once.
#include <gtest/gtest.h>
#include <QTest>

#include "support/window_driver.h"
#include "window/try_window.h"

namespace mosalind {
namespace {

TEST(TryWindow, F7PaintsStepsAndShowsTheFigure) {
    testing_support::WindowDriver d;
    d.LoadTiles(MOSALIND_SAMPLES_DIR "/tiles.bmp");
    d.Open(MOSALIND_SAMPLES_DIR "/tiles.tls");
    d.SelectTile(17);  // the sample set's solid block
    d.Press(QKeySequence(Qt::Key_F7));
    TryWindow* window = d.Window.TryBox;
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Try");

    // A floor under the start cell (2, 21), painted cell by cell at the sheet's zoom (1x).
    for (int column = 0; column < 12; ++column) {
        d.ClickAt(window->MapView, column * 16 + 8, 22 * 16 + 8);
    }
    EXPECT_EQ(d.Window.Session.Try().Map.At(5, 22), 17);
    d.ClickAt(window->MapView, 5 * 16 + 8, 22 * 16 + 8, Qt::RightButton);
    EXPECT_EQ(d.Window.Session.Try().Map.At(5, 22), -1);
    d.ClickAt(window->MapView, 5 * 16 + 8, 22 * 16 + 8);
    window->Restart();

    // Centred across its cell, its bottom on the cell's bottom edge: left 2 x 16 + 2, top
    // 22 x 16 - 24.
    const QImage shown = window->MapView->grab().toImage();
    EXPECT_EQ(shown.pixelColor(34, 340), QColor(0xFF, 0x00, 0xFF));
    EXPECT_EQ(shown.pixelColor(34 + 11, 340), QColor(0xFF, 0x00, 0xFF));
    EXPECT_NE(shown.pixelColor(40, 340), QColor(0xFF, 0x00, 0xFF));

    QTest::keyPress(window, Qt::Key_Right);
    QTest::qWait(300);
    QTest::keyRelease(window, Qt::Key_Right);
    EXPECT_GT(window->Current.Left, 34);
    EXPECT_EQ(window->Current.Bottom(), 352);
    EXPECT_EQ(window->Current.State, FigureState::Ground);
    EXPECT_EQ(window->Current.TileUnderFeet, 17);

    // The block's top no longer blocks: the next step lets the figure fall.
    d.SelectTile(17);
    d.Choose(d.Window.cboBlocking[0], 0);
    window->Step({});
    window->Step({});
    EXPECT_EQ(window->Current.State, FigureState::Air);
    EXPECT_GT(window->Current.Bottom(), 352);
}

}  // namespace
}  // namespace mosalind
