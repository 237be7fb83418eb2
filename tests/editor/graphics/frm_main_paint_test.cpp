// What the tile view, the frame views and the tile sheet show, checked on their pixels.
#include <gtest/gtest.h>
#include <QGroupBox>

#include "window/window_test_support.h"

namespace mosalind {
namespace {

using window_test_support::LoadTiles;
using window_test_support::PixelAt;
using window_test_support::Render;
using window_test_support::SheetColour;
using window_test_support::WriteCellPatternSheet;

// The sheet picture's top-left corner of cell n.
QPoint CellCorner(int n) {
    return QPoint((n % 13) * 16, (n / 13) * 16);
}

class FrmMainPaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        LoadTiles(window, dialogs, WriteCellPatternSheet(dir, "tiles.bmp", 208, 1120));
        ASSERT_TRUE(dialogs.Messages.empty());
        Start(8);
        window.picTilesScroller->resize(208, 1120);
        window.frmControls->setEnabled(true);
    }

    // A tile set of 910 tiles and `frames` frames: frame f of tile t shows cell t + f.
    void Start(int frames) {
        TileSet set;
        set.Header.TileCount = 910;
        set.Header.FrameCount = static_cast<std::int16_t>(frames);
        for (int f = 0; f < 8; ++f) {
            for (int t = 0; t < 910; ++t) {
                set.TileFrames[f][t] = static_cast<std::int16_t>(t + f);
            }
        }
        window.Session.RestoreSet(set, {});
    }

    // A frame's cell the controls cannot give, as an opened file may hold it.
    void PutFrame(int frame, int tile, std::int16_t cell) {
        EditingSession& session = window.Session;
        session.Apply(
            session.MakeEdit("Put", {static_cast<std::int16_t>(tile)},
                             [frame, cell](std::int16_t, TileValues& values) { values.Frames[frame] = cell; }));
    }

    // Expects `image` to show cell n magnified over the inner square at `origin`, `size`
    // pixels wide: each cell pixel is checked at the centre of its block.
    void ExpectMagnifiedCell(const QImage& image, QPoint origin, double size, int n) {
        const QPoint cell = CellCorner(n);
        for (int py = 0; py < 16; py += 5) {
            for (int px = 0; px < 16; px += 3) {
                const int x = origin.x() + static_cast<int>((px + 0.5) * size / 16);
                const int y = origin.y() + static_cast<int>((py + 0.5) * size / 16);
                ASSERT_EQ(PixelAt(image, x, y), SheetColour(cell.x() + px, cell.y() + py))
                    << "cell " << n << " pixel " << px << "," << py;
            }
        }
    }

    dev_support::TempDir dir;
    ScriptedDialogs dialogs;
    FrmMain window{&dialogs};
};

// The tile view shows the current tile's cell in the current frame, each frame view its own
// frame's cell, magnified.
TEST_F(FrmMainPaintTest, TileAndFrameViewsShowTheirFramesCellOfTheCurrentTile) {
    window.Session.SetCurrentTile(28);
    window.Session.SetCurrentFrame(3);
    ExpectMagnifiedCell(Render(window.picTile), QPoint(2, 2), 77, 31);
    window.Session.SetCurrentTile(100);
    window.Session.SetCurrentFrame(0);
    ExpectMagnifiedCell(Render(window.picAnim[5]), QPoint(2, 2), 37, 105);
    // Frames beyond a tile set's frame count still show the cells they name.
    Start(4);
    window.Session.SetCurrentTile(100);
    ExpectMagnifiedCell(Render(window.picAnim[7]), QPoint(2, 2), 37, 107);
}

TEST_F(FrmMainPaintTest, SheetPlacesEveryTileFromItsCellInTheCurrentFrame) {
    window.Session.SetCurrentFrame(2);
    PutFrame(2, 30, 41);
    const QImage sheet = Render(window.picTilesScroller);
    // Tile 30 at (64, 32), copied 1:1 from cell 41 at (32, 48).
    for (int y = 0; y < 16; y += 3) {
        for (int x = 0; x < 16; ++x) {
            ASSERT_EQ(PixelAt(sheet, 64 + x, 32 + y), SheetColour(32 + x, 48 + y)) << x << "," << y;
        }
    }
    // Tile 13 starts the second row; tile 907, in the 70th row, shows the sheet's last
    // cell, and tile 909, whose cell 911 is not in the sheet, shows background.
    EXPECT_EQ(PixelAt(sheet, 0, 16), SheetColour(CellCorner(15).x(), CellCorner(15).y()));
    EXPECT_EQ(PixelAt(sheet, 160 + 15, 1104 + 15), SheetColour(CellCorner(909).x() + 15, CellCorner(909).y() + 15));
    EXPECT_EQ(PixelAt(sheet, 207, 1119), window.picTilesScroller->BackColor());

    window.Session.SetCurrentFrame(5);  // a new frame repaints every tile from that frame's cells
    const QImage other = Render(window.picTilesScroller);
    EXPECT_EQ(PixelAt(other, 64, 32), SheetColour(CellCorner(35).x(), CellCorner(35).y()));
}

TEST_F(FrmMainPaintTest, NothingIsDrawnBeforeNewOrOpen) {
    FrmMain loaded{&dialogs};
    LoadTiles(loaded, dialogs, dir.File("tiles.bmp"));
    loaded.picTilesScroller->resize(208, 1120);
    for (QWidget* view : {static_cast<QWidget*>(loaded.picTile), static_cast<QWidget*>(loaded.picAnim[0]),
                          static_cast<QWidget*>(loaded.picTilesScroller)}) {
        const PictureBox* box = static_cast<PictureBox*>(view);
        const QImage image = Render(view);
        const QRect inner = box->contentsRect();
        for (int y = inner.top(); y <= std::min(inner.bottom(), 60); ++y) {
            for (int x = inner.left(); x <= inner.right(); ++x) {
                ASSERT_EQ(PixelAt(image, x, y), box->BackColor()) << x << "," << y;
            }
        }
    }
}

TEST_F(FrmMainPaintTest, CellOutsideThePictureShowsBackground) {
    window.Session.SetCurrentTile(0);
    window.Session.SetCurrentFrame(0);
    PutFrame(0, 0, 910);  // first cell below the last row
    PutFrame(0, 1, -1);   // a negative entry read from a file
    PutFrame(0, 2, 32767);
    const QImage tile = Render(window.picTile);
    EXPECT_EQ(PixelAt(tile, 2, 2), window.picTile->BackColor());
    EXPECT_EQ(PixelAt(tile, 78, 78), window.picTile->BackColor());

    const QImage sheet = Render(window.picTilesScroller);
    const QColor background = window.picTilesScroller->BackColor();
    for (int t = 0; t < 3; ++t) {
        EXPECT_EQ(PixelAt(sheet, t * 16, 0), background) << t;
        EXPECT_EQ(PixelAt(sheet, t * 16 + 15, 15), background) << t;
    }
    EXPECT_EQ(PixelAt(sheet, 48, 0), SheetColour(CellCorner(3).x(), 0));  // tile 3 as usual
}

TEST_F(FrmMainPaintTest, SlopeLineIsDrawnInRedOrInvertsTheTileBeneath) {
    window.Session.SetCurrentTile(5);
    window.Session.SetCurrentFrame(0);
    window.linSlope->Y1 = 0;
    window.linSlope->Y2 = 80;
    const QImage plain = Render(window.picTile);

    window.linSlope->show();
    window.linSlope->DrawMode = SlopeLine::kCopyPen;
    const QImage copied = Render(window.picTile);
    window.linSlope->DrawMode = SlopeLine::kInvert;
    const QImage inverted = Render(window.picTile);

    const QColor under = PixelAt(plain, 2 + 40, 2 + 40);
    EXPECT_EQ(PixelAt(copied, 2 + 40, 2 + 40), QColor(255, 0, 0));
    EXPECT_EQ(PixelAt(inverted, 2 + 40, 2 + 40), QColor(255 - under.red(), 255 - under.green(), 255 - under.blue()));
    // Away from the line both looks leave the tile as it is.
    EXPECT_EQ(PixelAt(copied, 2 + 60, 2 + 10), PixelAt(plain, 2 + 60, 2 + 10));
    EXPECT_EQ(PixelAt(inverted, 2 + 60, 2 + 10), PixelAt(plain, 2 + 60, 2 + 10));
}

}  // namespace
}  // namespace mosalind
