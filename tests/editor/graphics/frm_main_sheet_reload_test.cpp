// The loaded sheet read again: after its file changes and settles, and at once with F5.
#include <gtest/gtest.h>
#include <QScrollBar>
#include <QTest>

#include <filesystem>
#include <string>

#include "support/test_files.h"
#include "support/window_driver.h"
#include "window/sheet_watch.h"
#include "window/window_test_support.h"

namespace mosalind {
namespace {

using dev_support::Bytes;

constexpr int kQuietMilliseconds = 50;
constexpr int kSettleTimeout = 3000;

// A second sheet, told apart from the cell pattern by every pixel's colour.
int OtherColour(int x, int y) {
    return (testing_support::CellPatternColour(x, y) + 7) % 16;
}

Bytes SheetBytes(int height, const testing_support::PixelColour& colour) {
    return dev_support::EncodeBmp(testing_support::TestPicture(208, height, colour));
}

QColor PaletteColour(int index) {
    const dev_support::PaletteEntry c = testing_support::TestPaletteColour(index);
    return QColor(c.Red, c.Green, c.Blue);
}

// Lets the window's events run until it holds `cells` cells (QTRY_ macros report to
// QTest, not to this test's framework).
bool WaitForCells(const FrmMain& window, int cells) {
    return QTest::qWaitFor([&] { return window.Session.Graphics().BMPTileCount == cells; }, kSettleTimeout);
}

// What a fresh window cuts from the same file, to compare a reload with.
TileGraphics LoadedAfresh(const std::string& path) {
    ScriptedDialogs dialogs;
    FrmMain window(&dialogs);
    window_test_support::LoadTiles(window, dialogs, path);
    return window.Session.Graphics();
}

TEST(FrmMainSheetReload, ChangedFileIsReadOnceSettledRefusedFileStaysQuietF5ReadsAtOnce) {
    const dev_support::TempDir dir;
    const std::string path = dir.File("tiles.bmp");
    dev_support::WriteFileBytes(path, SheetBytes(800, testing_support::CellPatternColour));

    testing_support::WindowDriver driver;
    FrmMain& window = driver.Window;
    window.SheetWatcher->SetQuietPeriod(kQuietMilliseconds);
    driver.LoadTiles(path);
    driver.New(0);
    driver.SelectTile(30);
    driver.ChooseFrame(1);
    window.scrBMP->setValue(300);
    window.scrTiles->setValue(64);
    const TileSet document = window.Session.Set();
    ASSERT_EQ(window.Session.Graphics().BMPTileCount, 650);

    // A shorter sheet written over the file: new cells, planes and picture; the document,
    // the cursor and the tile sheet's scroll position stay, the bitmap view's stays as far
    // as the shorter sheet reaches.
    dev_support::WriteFileBytes(path, SheetBytes(480, OtherColour));
    ASSERT_TRUE(WaitForCells(window, 390));
    const TileGraphics shorter = LoadedAfresh(path);
    EXPECT_EQ(window.Session.Graphics().TilePlanes, shorter.TilePlanes);
    EXPECT_EQ(window.picBMPScroller->size(), QSize(208, 480));
    for (const QPoint p : {QPoint(0, 0), QPoint(8, 0), QPoint(207, 479), QPoint(100, 155)}) {
        EXPECT_EQ(QColor(window.picBMPScroller->Picture().pixel(p)), PaletteColour(OtherColour(p.x(), p.y())))
            << p.x() << "," << p.y();
    }
    EXPECT_LT(window.scrBMP->maximum(), 300);
    EXPECT_EQ(window.scrBMP->value(), window.scrBMP->maximum());
    EXPECT_EQ(window.picBMPScroller->Top(), -window.scrBMP->value());
    EXPECT_EQ(window.scrTiles->value(), 64);
    EXPECT_EQ(window.Session.CurrentTile(), 30);
    EXPECT_EQ(window.Session.CurrentFrame(), 1);
    EXPECT_EQ(window.Session.Set().TileAttributes, document.TileAttributes);
    EXPECT_EQ(window.Session.Set().TileFrames, document.TileFrames);
    // Frames still naming cells 390 and beyond paint without reading outside the picture.
    window.picTilesScroller->Refresh();
    EXPECT_TRUE(driver.Dialogs.Messages.empty());

    // Save writes the new sheet's planes after the unchanged document.
    const std::string saved = dir.File("set.tls");
    driver.Save(saved);
    const Bytes file = dev_support::ReadFileBytes(saved);
    ASSERT_GE(file.size(), shorter.TilePlanes.size());
    EXPECT_EQ(Bytes(file.end() - static_cast<std::ptrdiff_t>(shorter.TilePlanes.size()), file.end()),
              Bytes(shorter.TilePlanes.begin(), shorter.TilePlanes.end()));

    // A file that is refused (still being written, say) keeps the old sheet, silently.
    dev_support::WriteFileBytes(path, Bytes{'h', 'a', 'l', 'f'});
    QTest::qWait(10 * kQuietMilliseconds);
    EXPECT_EQ(window.Session.Graphics().BMPTileCount, 390);
    EXPECT_EQ(window.Session.Graphics().TilePlanes, shorter.TilePlanes);
    EXPECT_TRUE(driver.Dialogs.Messages.empty());

    // F5 reads it at once and says why it is refused.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F5);
    ASSERT_EQ(driver.Dialogs.Messages.size(), 1u);
    EXPECT_TRUE(driver.Dialogs.Messages[0].contains("tiles.bmp")) << driver.Dialogs.Messages[0].toStdString();
    EXPECT_EQ(window.Session.Graphics().BMPTileCount, 390);

    // Deleted, then made again by renaming a new file over the name, as editors save: the
    // folder's watch finds it.
    std::filesystem::remove(path);
    QTest::qWait(4 * kQuietMilliseconds);
    dev_support::WriteFileBytes(path + ".new", SheetBytes(800, testing_support::CellPatternColour));
    std::filesystem::rename(path + ".new", path);
    ASSERT_TRUE(WaitForCells(window, 650));
    EXPECT_EQ(window.Session.Graphics().TilePlanes, LoadedAfresh(path).TilePlanes);

    // F5 does not wait for the quiet period.
    dev_support::WriteFileBytes(path, SheetBytes(480, OtherColour));
    QTest::keyClick(&window, Qt::Key_F5);
    EXPECT_EQ(window.Session.Graphics().BMPTileCount, 390);
    EXPECT_EQ(driver.Dialogs.Messages.size(), 1u);
}

}  // namespace
}  // namespace mosalind
