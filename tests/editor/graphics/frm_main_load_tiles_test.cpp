// Load Tiles as the user meets it: the dialog, a cancelled choice, a loaded sheet and a
// refused file.
#include <gtest/gtest.h>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "support/test_files.h"
#include "window/window_test_support.h"

namespace mosalind {
namespace {

using dev_support::Bytes;
using dev_support::TempDir;
using window_test_support::LoadTiles;
using window_test_support::SheetColour;
using window_test_support::WriteCellPatternSheet;

class FrmMainLoadTilesTest : public ::testing::Test {
protected:
    // Everything Load Tiles may change still shows the state before any load.
    void ExpectNothingLoaded() {
        EXPECT_TRUE(window.cmdLoad->isEnabled());
        EXPECT_FALSE(window.fraIn->isEnabled());
        EXPECT_TRUE(window.picBMPScroller->Picture().isNull());
        EXPECT_EQ(window.picBMPScroller->size(), QSize(105, 129));
        EXPECT_EQ(window.Session.Graphics().BMPTileCount, 0);
        EXPECT_TRUE(window.Session.Graphics().TilePlanes.empty());
        EXPECT_TRUE(window.Session.Sheet() == nullptr);
        EXPECT_EQ(window.scrBMP->maximum(), 0);
    }

    TempDir dir;
    ScriptedDialogs dialogs;
    FrmMain window{&dialogs};
};

TEST_F(FrmMainLoadTilesTest, AsksForAnExistingBitmapFileAndCancellingChangesNothing) {
    window.show();
    QTest::mouseClick(window.cmdLoad, Qt::LeftButton);  // unscripted dialog: cancelled
    ASSERT_EQ(dialogs.FileRequests.size(), 1u);
    EXPECT_FALSE(dialogs.FileRequests[0].Save);
    EXPECT_EQ(dialogs.FileRequests[0].Filter,
              "All Tile Sheets (*.bmp *.png)|*.bmp;*.png|Bitmap Files (*.bmp)|*.bmp|PNG Files (*.png)|*.png");
    EXPECT_EQ(dialogs.FileRequests[0].Flags, 4100);
    EXPECT_EQ(dialogs.FileRequests[0].FileName, "");
    EXPECT_TRUE(window.cdlLoad.CancelError);
    ExpectNothingLoaded();
    EXPECT_TRUE(dialogs.Messages.empty());

    // The command can be used again.
    LoadTiles(window, dialogs, WriteCellPatternSheet(dir, "tiles.bmp", 208, 320));
    EXPECT_EQ(dialogs.FileRequests.size(), 2u);
    EXPECT_FALSE(window.cmdLoad->isEnabled());
    window.close();
}

TEST_F(FrmMainLoadTilesTest, LoadedSheetIsShownOneToOneAndOpensTheDocumentCommands) {
    const std::string path = WriteCellPatternSheet(dir, "tiles.bmp", 208, 1120);
    window.show();
    dialogs.AnswerNextFileDialog(QString::fromStdString(path));
    QTest::mouseClick(window.cmdLoad, Qt::LeftButton);

    EXPECT_TRUE(dialogs.Messages.empty());
    EXPECT_FALSE(window.cmdLoad->isEnabled());
    EXPECT_TRUE(window.fraIn->isEnabled());
    EXPECT_TRUE(window.cmdNew->isEnabled());
    EXPECT_FALSE(window.fraOut->isEnabled());
    EXPECT_FALSE(window.frmControls->isEnabled());

    // The bitmap view holds the picture at its own size, in the file's palette colours.
    EXPECT_EQ(window.picBMPScroller->size(), QSize(208, 1120));
    EXPECT_EQ(window.picBMPScroller->ScaleHeight(), 1120);
    const QImage& shown = window.picBMPScroller->Picture();
    for (const QPoint p : {QPoint(0, 0), QPoint(7, 0), QPoint(8, 0), QPoint(207, 1119), QPoint(100, 555)}) {
        EXPECT_EQ(QColor(shown.pixel(p)), SheetColour(p.x(), p.y())) << p.x() << "," << p.y();
    }

    // Cells are cut, 910 of them, into the session (what they hold: CutTiles' tests).
    EXPECT_EQ(window.Session.Graphics().BMPTileCount, 910);

    EXPECT_EQ(window.scrBMP->minimum(), 0);
    EXPECT_EQ(window.scrBMP->maximum(), 763);
    EXPECT_TRUE(window.scrBMP->isEnabledTo(window.frmControls));
    EXPECT_EQ(window.picBMPScroller->Top(), 0);

    // A run loads one bitmap: the button no longer reacts.
    QTest::mouseClick(window.cmdLoad, Qt::LeftButton);
    EXPECT_EQ(dialogs.FileRequests.size(), 1u);
    window.close();
}

// A sheet no taller than the view leaves its bar off.
TEST_F(FrmMainLoadTilesTest, PngSheetIsTakenByItsContentWhateverItsName) {
    const std::string path = dir.File("sheet.bmp");
    dev_support::WriteFileBytes(
        path, dev_support::EncodePng(testing_support::TestPicture(208, 320, testing_support::CellPatternColour),
                                     {.Interlaced = true}));
    LoadTiles(window, dialogs, path);
    EXPECT_TRUE(dialogs.Messages.empty());
    EXPECT_EQ(window.Session.Graphics().BMPTileCount, 260);
    EXPECT_EQ(window.picBMPScroller->size(), QSize(208, 320));
    EXPECT_FALSE(window.scrBMP->isEnabledTo(window.frmControls));
    const QImage& shown = window.picBMPScroller->Picture();
    for (const QPoint p : {QPoint(0, 0), QPoint(8, 0), QPoint(207, 319), QPoint(100, 155)}) {
        EXPECT_EQ(QColor(shown.pixel(p)), SheetColour(p.x(), p.y())) << p.x() << "," << p.y();
    }
}

TEST_F(FrmMainLoadTilesTest, RefusedBitmapIsReportedAndLeavesTheWindowAsBefore) {
    const std::string notABitmap = dir.File("notes.bmp");
    dev_support::WriteFileBytes(notABitmap, Bytes{'h', 'e', 'l', 'l', 'o'});
    const std::string cutPng = dir.File("cut.png");
    const Bytes png = dev_support::EncodePng(testing_support::TestPicture(208, 32, testing_support::CellPatternColour));
    dev_support::WriteFileBytes(cutPng, Bytes(png.begin(), png.end() - 20));
    const std::string wrongWidth = WriteCellPatternSheet(dir, "wide.bmp", 224, 32);
    for (const std::string& path : {notABitmap, cutPng, wrongWidth}) {
        dialogs.Messages.clear();
        LoadTiles(window, dialogs, path);
        ASSERT_EQ(dialogs.Messages.size(), 1u) << path;
        EXPECT_TRUE(dialogs.Messages[0].contains(QString::fromStdString(path))) << dialogs.Messages[0].toStdString();
        ExpectNothingLoaded();
    }
    // The dialog starts with the name it last held.
    window.cmdLoad->click();
    EXPECT_EQ(dialogs.FileRequests.back().FileName, QString::fromStdString(wrongWidth));
}

TEST_F(FrmMainLoadTilesTest, TheViewShowsExactlyTheCellsThatAreCut) {
    // Pixels after a gap, behind a 124-byte header and a palette of 6 colours: every pixel
    // shown is the palette colour of the index that the cut planes hold for it.
    const std::string path = dir.File("gap.bmp");
    dev_support::WriteFileBytes(path, dev_support::EncodeBmp(testing_support::VariantPicture(),
                                                             {.HeaderSize = 124, .ColoursUsed = 6, .GapBytes = 250}));
    LoadTiles(window, dialogs, path);
    ASSERT_TRUE(dialogs.Messages.empty());
    const QImage& shown = window.picBMPScroller->Picture();
    ASSERT_EQ(shown.size(), QSize(208, testing_support::kVariantPictureHeight));
    int checked = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const int cell = (y / 16) * 13 + x / 16;
            const int bit = 7 - (x % 8);
            const int byte = 2 * (y % 16) + (x % 16) / 8;
            int index = 0;
            for (int plane = 0; plane < 4; ++plane) {
                index |= ((window.Session.Graphics().PlaneByte(plane, cell, byte) >> bit) & 1) << plane;
            }
            ASSERT_EQ(index, testing_support::VariantPictureColour(x, y)) << x << "," << y;
            const dev_support::PaletteEntry c =
                index < 6 ? testing_support::TestPaletteColour(index) : dev_support::PaletteEntry{};
            ASSERT_EQ(QColor(shown.pixel(x, y)), QColor(c.Red, c.Green, c.Blue)) << x << "," << y;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 208 * 48);
}

}  // namespace
}  // namespace mosalind
