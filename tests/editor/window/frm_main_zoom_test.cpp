// The window made larger and its two views zoomed: the tile or cell a click reaches at each
// zoom, what the views draw there, and the scroll ranges a larger window gives.
#include <QApplication>
#include <QComboBox>
#include <QScrollBar>
#include <QWheelEvent>

#include "editing/frm_main_editing_fixture.h"
#include "window/window_test_support.h"
#include "window/zoomed_view.h"

namespace mosalind {
namespace {

using window_test_support::PixelAt;
using window_test_support::Render;
using window_test_support::SheetColour;

class ZoomAndGrowth : public EditingWindow {
protected:
    void SetUp() override {
        EditingWindow::SetUp();
        QApplication::setActiveWindow(&window);
        window.activateWindow();
    }

    // Ctrl and the wheel over the bitmap (or its scroll bar, which would page without the
    // zoom's filter): `notches` up (positive) or down.
    void WheelOverBitmap(int notches, QWidget* over = nullptr) {
        QWidget* target = over != nullptr ? over : window.picBMPScroller;
        for (int i = 0; i < std::abs(notches); ++i) {
            const QPointF at(5, 10);
            QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, notches > 0 ? 120 : -120), Qt::NoButton,
                              Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &wheel);
        }
    }

    // Whether the whole of `cell` of the view's content shows inside its viewport.
    static bool InView(const ZoomedView& view, const PictureBox* content, int cell, int zoom) {
        const QRect square(((cell % 13) * 16) * zoom, ((cell / 13) * 16) * zoom, 16 * zoom, 16 * zoom);
        const QRect visible(0, 0, view.VisibleWidth(), view.VisibleHeight());
        return visible.contains(square.translated(content->pos()));
    }
};

TEST_F(ZoomAndGrowth, ClicksAtAZoomedTileOrCellReachTheOneShownThere) {
    const struct {
        int Zoom;
        int Tile;
        int Cell;
    } cases[] = {{1, 58, 97}, {2, 600, 650}, {4, 909, 850}, {4, 14, 2}, {1, 30, 40}};
    int current = 0;
    int assigned = 0;
    for (const auto& c : cases) {
        const int z = c.Zoom;
        // The sheet by its keys (Ctrl+0, then Ctrl+= once and Ctrl++), the bitmap by Ctrl
        // and the wheel.
        window.picTilesScroller->setFocus();
        driver.Press(QKeySequence(Qt::CTRL | Qt::Key_0));
        for (int step = 1; step < z; ++step) {
            driver.Press(QKeySequence(Qt::CTRL | (step == 1 ? Qt::Key_Equal : Qt::Key_Plus)));
        }
        WheelOverBitmap(-3);
        WheelOverBitmap(z - 1, window.scrBMP);
        ASSERT_EQ(window.TilesZoom->Zoom(), z);
        ASSERT_EQ(window.BMPZoom->Zoom(), z);
        EXPECT_TRUE(InView(*window.TilesZoom, window.picTilesScroller, current, z)) << z << ": tile " << current;
        EXPECT_TRUE(InView(*window.BMPZoom, window.picBMPScroller, assigned, z)) << z << ": cell " << assigned;

        // The middle of the zoomed tile, then its last screen pixel, which a rounding of
        // the zoomed-out position would give to the next tile.
        const int left = (c.Tile % 13) * 16 * z;
        const int top = (c.Tile / 13) * 16 * z;
        driver.ClickTileSheet(left + 8 * z, top + 8 * z);
        EXPECT_EQ(window.Session.CurrentTile(), c.Tile) << z;
        driver.ClickTileSheet(0, 0);
        driver.ClickTileSheet(left + 16 * z - 1, top + 16 * z - 1);
        EXPECT_EQ(window.Session.CurrentTile(), c.Tile) << z;
        current = c.Tile;
        EXPECT_EQ(window.shpTileSel->geometry(), QRect(left - 2 * z, top - 2 * z, 21 * z, 21 * z)) << z;

        driver.ClickBitmap(((c.Cell % 13) * 16 + 8) * z, ((c.Cell / 13) * 16 + 8) * z);
        EXPECT_EQ(driver.Frame(0, c.Tile), c.Cell) << z;
        EXPECT_EQ(window.lblBMPNum->text(), QString("Offset in Bitmap: %1").arg(c.Cell)) << z;
        assigned = c.Cell;

        // Each art pixel a z x z square: the sheet shows tile 16 (cell 16 since New) at its
        // place, the bitmap cell 4 at its own.
        const QImage sheet = Render(window.picTilesScroller);
        const QImage bitmap = Render(window.picBMPScroller);
        for (const QPoint art : {QPoint(48 + 5, 16 + 5), QPoint(48 + 12, 16 + 9)}) {
            for (const QPoint corner : {QPoint(0, 0), QPoint(z - 1, z - 1)}) {
                EXPECT_EQ(PixelAt(sheet, art.x() * z + corner.x(), art.y() * z + corner.y()),
                          SheetColour(art.x(), art.y()))
                    << z;
                EXPECT_EQ(PixelAt(bitmap, (art.x() + 16) * z + corner.x(), (art.y() - 16) * z + corner.y()),
                          SheetColour(art.x() + 16, art.y() - 16))
                    << z;
            }
        }
    }
}

TEST_F(ZoomAndGrowth, ALargerWindowGivesItsRoomToTheViewsAndTheRangesFollow) {
    // Both contents are 1,120 pixels high at 1x and 208 wide; a viewport's inner area is 4
    // pixels smaller than the view, whose scroll bars are 17 pixels wide.
    // The extra width goes to the views by need: the width that shows their art whole, 208
    // pixels a zoom step plus 21, shared in proportion, but the sheet first gets what it
    // lacks while the 1x bitmap (229 needed, 241 had) lacks nothing.
    const struct {
        const char* Why;
        QSize Asked;
        int Zoom;
        QSize Client;
        int BitmapShare;  // of the extra width
        QRect Tiles;
        int TilesRange;
        int AcrossRange;  // -1: no bar across
        int BitmapRange;
    } cases[] = {
        {"the design size", {727, 503}, 1, {727, 503}, 0, {248, 40, 241, 361}, 763, -1, 763},
        // 200 x 200 more, equal needs: 100 wider each and 200 higher.
        {"200 more at 1x", {927, 703}, 1, {927, 703}, 100, {348, 40, 341, 561}, 1120 - 557, -1, 1120 - 557},
        // 2x needs 437: 200 x 229 / 666 = 68 would leave it short, so it gets 196 of 200.
        {"200 more at 2x", {927, 703}, 2, {927, 703}, 4, {252, 40, 437, 561}, 2240 - 557, -1, 1120 - 557},
        // 2x: 400 x 229 / 666 = 137 to the bitmap, the sheet more than it lacks.
        {"400 wider at 2x", {1127, 703}, 2, {1127, 703}, 137, {385, 40, 504, 561}, 2240 - 557, -1, 1120 - 557},
        // 4x needs 853: all 400 go to the sheet, and a bar across takes 17 from the height.
        {"400 wider at 4x", {1127, 703}, 4, {1127, 703}, 0, {248, 40, 641, 561}, 4480 - 540, 832 - 620, 1120 - 557},
        {"never smaller than the design size", {600, 400}, 1, {727, 503}, 0, {248, 40, 241, 361}, 763, -1, 763},
    };
    for (const auto& c : cases) {
        window.resize(c.Asked);
        QCoreApplication::processEvents();
        window.TilesZoom->ZoomTo(c.Zoom);
        ASSERT_EQ(window.size(), c.Client) << c.Why;
        const int wider = c.Client.width() - 727;
        const int taller = c.Client.height() - 503;
        EXPECT_EQ(window.frmControls->geometry(), QRect(8, 72, 713 + wider, 417 + taller)) << c.Why;
        EXPECT_EQ(window.picBMP->geometry(), QRect(0, 40, 241 + c.BitmapShare, 361 + taller)) << c.Why;
        EXPECT_EQ(window.picTiles->geometry(), c.Tiles) << c.Why;
        // Over the sheet, the panel beside it, the buttons above.
        EXPECT_EQ(window.lblTileNum->pos(), QPoint(248 + c.BitmapShare, 16)) << c.Why;
        EXPECT_EQ(window.cboBehaviour->geometry(), QRect(560 + wider, 16, 129, 21)) << c.Why;
        EXPECT_EQ(window.picAnim[7]->geometry(), QRect(504 + 48 * 3 + wider, 336, 41, 41)) << c.Why;
        EXPECT_EQ(window.fraOut->geometry(), QRect(272, 8, 89, 49)) << c.Why;

        EXPECT_TRUE(window.scrTiles->isEnabled()) << c.Why;
        EXPECT_EQ(window.scrTiles->maximum(), c.TilesRange) << c.Why;
        EXPECT_EQ(window.scrBMP->maximum(), c.BitmapRange) << c.Why;
        QScrollBar* across = window.TilesZoom->Across();
        EXPECT_EQ(across->isVisible(), c.AcrossRange >= 0) << c.Why;
        if (c.AcrossRange >= 0) {
            EXPECT_EQ(across->maximum(), c.AcrossRange) << c.Why;
        }
        EXPECT_FALSE(window.BMPZoom->Across()->isVisible()) << c.Why;
        // At the end of each range the content's far edge meets the viewport's.
        window.scrTiles->setValue(window.scrTiles->maximum());
        EXPECT_EQ(window.picTilesScroller->geometry().bottom() + 1, window.TilesZoom->VisibleHeight()) << c.Why;
    }
}

}  // namespace
}  // namespace mosalind
