#include <QImage>

#include "editing/frm_main_editing_fixture.h"
#include "support/tile_set_bytes.h"
#include "window/edit_history.h"

namespace mosalind {
namespace {

using SelectionDisplay = EditingWindow;

TEST_F(SelectionDisplay, ClicksOnTheTileSheetSelectTiles) {
    const struct { int X, Y, Tile; } clicks[] = {{0, 0, 0}, {207, 15, 12}, {0, 16, 13}, {40, 33, 28}};
    for (const auto& click : clicks) {
        driver.ClickTileSheet(click.X, click.Y);
        EXPECT_EQ(window.Session.CurrentTile(), click.Tile);
        EXPECT_EQ(window.lblTileNum->text(), QString("Current Tile: %1").arg(click.Tile));
    }
    driver.ClickTileSheet(100, 100, Qt::RightButton);
    EXPECT_EQ(window.Session.CurrentTile(), 84);
    driver.ClickTileSheet(5, 5, Qt::MiddleButton);
    EXPECT_EQ(window.Session.CurrentTile(), 0);
}

TEST_F(SelectionDisplay, MarkersFrameTheSelection) {
    driver.SelectTile(27);
    EXPECT_EQ(window.shpTileSel->pos(), QPoint(14, 30));
    EXPECT_TRUE(window.shpTileSel->isVisible());
    EXPECT_EQ(window.lblTileNum->text(), "Current Tile: 27");
    EXPECT_EQ(window.shpBMPSel->pos(), QPoint(14, 30));  // New put tile 27 on cell 27
    EXPECT_EQ(window.lblBMPNum->text(), "Offset in Bitmap: 27");

    driver.SelectTile(0);
    EXPECT_EQ(window.shpTileSel->pos(), QPoint(-2, -2));
    EXPECT_EQ(window.shpTileSel->size(), QSize(21, 21));
}

TEST_F(SelectionDisplay, FourDigitTileNumbersStayWholeOnTheLabelsLine) {
    // An opened set of 1,201 tiles: tile 1195 ends its last whole row.
    const std::string path = dir.File("large.tls");
    dev_support::WriteFileBytes(path, testing_support::TileSetContent::Fresh(1201, 4, 29120, 910).FileBytes());
    testing_support::WindowDriver other;
    other.LoadTiles(dir.File("tiles.bmp"));
    other.Open(path);
    other.SelectTile(1195);

    const QLabel* label = other.Window.lblTileNum;
    EXPECT_EQ(label->text(), "Current Tile: 1195");
    EXPECT_EQ(label->pos(), QPoint(248, 16));
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
    EXPECT_LE(label->heightForWidth(label->width()), label->height());  // not wrapped onto a hidden line
}

TEST_F(SelectionDisplay, ShowingATileTwiceChangesNothing) {
    driver.PutAttribute(0, 33, 17);
    driver.PutAttribute(2, 33, 0xD7);
    const TileSet before = window.Session.Set();
    driver.SelectTile(33);
    const QString type = window.cboBehaviour->currentText();
    const QString right = window.cboBlocking[1]->currentText();
    driver.SelectTile(33);
    EXPECT_EQ(window.cboBehaviour->currentText(), type);
    EXPECT_EQ(window.cboBlocking[1]->currentText(), right);
    EXPECT_EQ(type, "Exit");
    EXPECT_EQ(right, "3 - x");
    EXPECT_TRUE(window.Session.Set().TileAttributes == before.TileAttributes);
}

TEST_F(SelectionDisplay, ClicksAfterScrollingUseTheContentPixel) {
    window.scrTiles->setValue(window.scrTiles->maximum());
    ASSERT_EQ(window.scrTiles->maximum(), 763);
    ASSERT_EQ(window.picTilesScroller->Top(), -763);
    // The viewport pixel (40, 33) is the sheet pixel (40, 796).
    const QPoint sheetPixel =
        window.picTilesScroller->mapFrom(window.picTiles, window.picTiles->contentsRect().topLeft() + QPoint(40, 33));
    EXPECT_EQ(sheetPixel, QPoint(40, 796));
    driver.ClickTileSheet(sheetPixel.x(), sheetPixel.y());
    EXPECT_EQ(window.Session.CurrentTile(), 49 * 13 + 2);
    EXPECT_EQ(window.picTilesScroller->Top(), -763);  // selecting never scrolls

    window.scrBMP->setValue(200);
    driver.ClickBitmap(20, 200 + 5);  // row 12, column 1
    EXPECT_EQ(driver.Frame(0, 49 * 13 + 2), 12 * 13 + 1);
}

TEST_F(SelectionDisplay, BitmapClicksAssignCellsToTheCurrentFrame) {
    driver.SelectTile(2);
    driver.ClickBitmap(20, 20);  // cell 14
    EXPECT_EQ(driver.Frame(0, 2), 14);
    EXPECT_EQ(window.lblBMPNum->text(), "Offset in Bitmap: 14");
    EXPECT_EQ(window.shpBMPSel->pos(), QPoint(14, 14));
    EXPECT_EQ(window.Session.CurrentTile(), 2);
    // The sheet shows tile 2 with the block of cell 14, whose left half has colour 15.
    const dev_support::PaletteEntry c = testing_support::TestPaletteColour(14 % 15 + 1);
    EXPECT_EQ(window.picTilesScroller->grab().toImage().pixelColor(32 + 5, 8), QColor(c.Red, c.Green, c.Blue));

    driver.ChooseFrame(1);
    driver.AssignCell(600);
    // A run that would reach past the sheet's last cell (909) writes nothing; one that fits
    // fills the frames from the current one on.
    driver.ChooseFrame(4);
    driver.AssignCell(907, Qt::ShiftModifier);
    EXPECT_EQ(driver.Dialogs.Messages,
              std::vector<QString>{"Cell 910 cannot be given to a frame: the tile sheet's last cell is 909"});
    driver.ChooseFrame(6);
    driver.AssignCell(908, Qt::ShiftModifier);
    const std::array<int, 8> cells{14, 600, 2, 2, 2, 2, 908, 909};
    for (int frame = 0; frame < 8; ++frame) {
        EXPECT_EQ(driver.Frame(frame, 2), cells[frame]) << frame;
    }
    EXPECT_EQ(driver.Frame(1, 3), 3);
}

TEST_F(SelectionDisplay, BitmapClicksOnCellsAFileCannotKeepAreRefused) {
    // Open with a sheet of 80 rows, 1,040 cells (New refuses sheets past 78 rows): the file
    // keeps cell x 32 in 16 bits, so cells up to 1023.
    const std::string sheet = dir.File("tall.bmp");
    dev_support::WriteFileBytes(
        sheet, dev_support::EncodeBmp(testing_support::TestPicture(208, 1280, testing_support::CellPatternColour)));
    const std::string tileSet = dir.File("small.tls");
    dev_support::WriteFileBytes(tileSet, testing_support::TileSetContent::Fresh(13, 4, 0, 13).FileBytes());
    testing_support::WindowDriver tall;
    tall.LoadTiles(sheet);
    tall.Open(tileSet);
    ASSERT_TRUE(tall.Window.frmControls->isEnabled());
    tall.Window.scrBMP->setValue(tall.Window.scrBMP->maximum());

    // Shift gives the frames from the current one (the first here) to the last the cells
    // after the clicked one, Ctrl+Shift those below it; a run reaching past 1023 writes
    // nothing.
    const auto shift = Qt::ShiftModifier;
    const auto down = Qt::ControlModifier | Qt::ShiftModifier;
    const struct {
        int Cell;
        Qt::KeyboardModifiers Modifiers;
        std::array<int, 4> FramesAfter;
        const char* Message;
    } clicks[] = {
        {1023, {}, {1023, 0, 0, 0}, nullptr},
        {1024, {}, {1023, 0, 0, 0}, "Cell 1024 cannot be given to a frame: a tile set file keeps cells up to 1023"},
        {1039, {}, {1023, 0, 0, 0}, "Cell 1039 cannot be given to a frame: a tile set file keeps cells up to 1023"},
        {1014, {}, {1014, 0, 0, 0}, nullptr},
        {1020, shift, {1020, 1021, 1022, 1023}, nullptr},
        {1021,
         shift,
         {1020, 1021, 1022, 1023},
         "Cell 1024 cannot be given to a frame: a tile set file keeps cells up to 1023"},
        {990,
         down,
         {1020, 1021, 1022, 1023},
         "Cell 1029 cannot be given to a frame: a tile set file keeps cells up to 1023"},
        {975, down, {975, 988, 1001, 1014}, nullptr},
    };
    for (const auto& click : clicks) {
        tall.Dialogs.Messages.clear();
        const int steps = tall.Window.History->count();
        tall.AssignCell(click.Cell, click.Modifiers);
        for (int frame = 0; frame < 4; ++frame) {
            EXPECT_EQ(tall.Frame(frame, 0), click.FramesAfter[frame]) << click.Cell << ", frame " << frame;
        }
        EXPECT_EQ(tall.Window.History->count(), steps + (click.Message ? 0 : 1)) << "one step a click";
        EXPECT_EQ(tall.Dialogs.Messages, click.Message ? std::vector<QString>{click.Message} : std::vector<QString>{});
    }
}

TEST_F(SelectionDisplay, FrameChoiceShowsTheFrameEverywhere) {
    driver.SelectTile(5);
    driver.ChooseFrame(3);
    driver.AssignCell(40);
    driver.ChooseFrame(0);
    EXPECT_EQ(window.lblBMPNum->text(), "Offset in Bitmap: 5");

    driver.ChooseFrame(3);
    EXPECT_EQ(window.Session.CurrentFrame(), 3);
    EXPECT_EQ(window.lblFrame->text(), "Current Frame:  4");
    EXPECT_TRUE(window.optAnim[3]->isChecked());
    EXPECT_FALSE(window.optAnim[0]->isChecked());
    EXPECT_EQ(window.lblBMPNum->text(), "Offset in Bitmap: 40");
    EXPECT_EQ(window.shpBMPSel->pos(), QPoint(14, 46));
    // The sheet drawn from the frame's cells: FrmMainPaintTest.SheetPlacesEveryTileFromItsCellInTheCurrentFrame.

    driver.ChooseFrame(3);  // the current frame again changes nothing
    EXPECT_EQ(window.Session.CurrentFrame(), 3);
    EXPECT_EQ(driver.Frame(3, 5), 40);
}

TEST_F(SelectionDisplay, NewAndOpenStartOnFrameOne) {
    driver.ChooseFrame(6);
    const std::string path = dir.File("seven.tls");
    driver.Save(path);

    testing_support::WindowDriver other;
    const std::string sheet = dir.File("tiles.bmp");
    other.LoadTiles(sheet);
    other.Open(path);
    EXPECT_EQ(other.Window.Session.CurrentFrame(), 0);
    EXPECT_TRUE(other.Window.optAnim[0]->isChecked());
    EXPECT_EQ(other.Window.lblFrame->text(), "Current Frame:  1");
}

}  // namespace
}  // namespace mosalind
