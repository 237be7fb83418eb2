#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_files.h"
#include "support/tile_set_bytes.h"
#include "support/window_driver.h"

namespace mosalind {
namespace {

using dev_support::Bytes;
using dev_support::EncodeBmp;
using dev_support::ReadFileBytes;
using dev_support::TempDir;
using dev_support::WriteFileBytes;
using testing_support::CellPatternColour;
using testing_support::SheetPlanes;
using testing_support::TestPicture;
using testing_support::TileSetContent;
using testing_support::WindowDriver;

const QString kTileSetFilter = QStringLiteral("TLS Files (*.tls)|*.tls");

class DocumentCommands : public ::testing::Test {
protected:
    std::string WriteSheet(int height, const std::string& name = "tiles.bmp") {
        const std::string path = dir.File(name);
        WriteFileBytes(path, EncodeBmp(TestPicture(208, height, CellPatternColour)));
        return path;
    }

    TempDir dir;
    WindowDriver driver;
    FrmMain& window = driver.Window;
};

// What is usable at the start: FrmMainLayoutTest.OnlyLoadTilesIsUsableAtStartAndMarkersAndLineAreHidden.
TEST_F(DocumentCommands, WorkFollowsTheFixedOrder) {
    driver.Click(window.cmdNew);
    driver.Click(window.cmdOpen);
    driver.Click(window.cmdSave);
    EXPECT_TRUE(driver.Dialogs.FileRequests.empty());
    EXPECT_TRUE(driver.Dialogs.Messages.empty());

    driver.LoadTiles(WriteSheet(1120));
    EXPECT_FALSE(window.cmdLoad->isEnabled());
    EXPECT_TRUE(window.fraIn->isEnabled());
    EXPECT_FALSE(window.fraOut->isEnabled());
    EXPECT_FALSE(window.frmControls->isEnabled());

    // No frame count chosen yet: the message, and New can be tried again.
    driver.Click(window.cmdNew);
    ASSERT_EQ(driver.Dialogs.Messages.size(), 1u);
    EXPECT_EQ(driver.Dialogs.Messages[0], "Choose 4 or 8 For Frame Count");
    EXPECT_TRUE(window.fraIn->isEnabled());
    EXPECT_FALSE(window.frmControls->isEnabled());
    EXPECT_EQ(window.Session.Set().Header.FrameCount, 0);

    driver.New(0);
    EXPECT_EQ(driver.Dialogs.Messages.size(), 1u);
    EXPECT_FALSE(window.fraIn->isEnabled());
    EXPECT_TRUE(window.fraOut->isEnabled());
    EXPECT_TRUE(window.frmControls->isEnabled());
    EXPECT_FALSE(window.cmdLoad->isEnabled());
    EXPECT_FALSE(window.txtTileCount->isEnabled());
}

TEST_F(DocumentCommands, NewMakesTheNineHundredTenTileSet) {
    driver.LoadTiles(WriteSheet(1120));
    driver.New(0);
    EXPECT_EQ(window.picTilesScroller->Height(), 1120);
    EXPECT_EQ(window.lblTileNum->text(), "Current Tile: 0");
    EXPECT_EQ(window.lblFrame->text(), "Current Frame:  1");
    EXPECT_EQ(window.lblBMPNum->text(), "Offset in Bitmap: 0");
    EXPECT_TRUE(window.optAnim[0]->isChecked());

    const std::string path = dir.File("new.tls");
    driver.Save(path);
    ASSERT_TRUE(driver.Dialogs.Messages.empty()) << driver.Dialogs.Messages[0].toStdString();
    const auto& request = driver.Dialogs.FileRequests.back();
    EXPECT_TRUE(request.Save);
    EXPECT_EQ(request.Filter, kTileSetFilter);
    EXPECT_EQ(request.Flags, 4100);
    EXPECT_EQ(request.FileName, "");

    TileSetContent expected = TileSetContent::Fresh(910, 4, 29120, 910);
    expected.Planes = SheetPlanes(208, 1120, CellPatternColour);
    const Bytes saved = ReadFileBytes(path);
    ASSERT_EQ(saved.size(), 128372u);
    EXPECT_EQ(saved, expected.FileBytes());  // the header's bytes: TileSetFile's tests

    // Saving again, over the file and beside it, writes the same bytes.
    driver.Save(path);
    driver.Save(dir.File("again.tls"));
    EXPECT_EQ(ReadFileBytes(path), saved);
    EXPECT_EQ(ReadFileBytes(dir.File("again.tls")), saved);
}

// A tile set as another program may have written it: its own offsets, reserved bytes,
// a tile type without a list row and a cell number below 0.
TileSetContent ForeignTileSet() {
    TileSetContent content = TileSetContent::Fresh(30, 8, 1234, 52);
    content.AttributeOffset = 99;
    content.FrameOffset = 777;
    content.PlanesOffset = 12345;
    for (int i = 0; i < 44; ++i) {
        content.Reserved[i] = static_cast<std::uint8_t>(i * 7 + 1);
    }
    for (int slot = 0; slot < 5; ++slot) {
        for (int tile = 0; tile < 30; ++tile) {
            content.Attributes[slot][tile] = static_cast<std::uint8_t>((tile * 37 + slot * 11) % 256);
        }
    }
    content.Attributes[0][3] = 100;
    for (int frame = 0; frame < 8; ++frame) {
        for (int tile = 0; tile < 30; ++tile) {
            content.Frames[frame][tile] = (tile * 5 + frame * 3) % 52;
        }
    }
    content.Frames[2][4] = -1;
    return content;
}

TEST_F(DocumentCommands, OpenThenSaveKeepsHeaderAttributesAndFrames) {
    const TileSetContent foreign = ForeignTileSet();
    const Bytes original = foreign.FileBytes();
    const std::string openedPath = dir.File("foreign.tls");
    WriteFileBytes(openedPath, original);

    driver.LoadTiles(WriteSheet(64));
    driver.Open(openedPath);
    ASSERT_TRUE(driver.Dialogs.Messages.empty()) << driver.Dialogs.Messages[0].toStdString();
    const auto& request = driver.Dialogs.FileRequests.back();
    EXPECT_FALSE(request.Save);
    EXPECT_EQ(request.Filter, kTileSetFilter);
    EXPECT_EQ(request.Flags, 4100);
    EXPECT_EQ(request.FileName, "");
    EXPECT_FALSE(window.fraIn->isEnabled());
    EXPECT_TRUE(window.frmControls->isEnabled());
    EXPECT_EQ(window.picTilesScroller->Height(), 32);  // two whole rows of 13

    const std::string savedPath = dir.File("saved.tls");
    driver.Save(savedPath);
    ASSERT_TRUE(driver.Dialogs.Messages.empty());
    TileSetContent expected = foreign;
    expected.Planes = SheetPlanes(208, 64, CellPatternColour);
    EXPECT_EQ(ReadFileBytes(savedPath), expected.FileBytes());
}

TEST_F(DocumentCommands, CancelledDialogsChangeNothing) {
    driver.LoadTiles(WriteSheet(64));
    driver.Dialogs.AnswerNextFileDialog(std::nullopt);
    driver.Click(window.cmdOpen);
    EXPECT_TRUE(window.fraIn->isEnabled());
    EXPECT_EQ(window.Session.Set().Header.TileCount, 0);

    driver.New(0);
    const std::string path = dir.File("kept.tls");
    WriteFileBytes(path, Bytes{1, 2, 3});
    driver.Dialogs.AnswerNextFileDialog(std::nullopt);
    driver.Click(window.cmdSave);
    EXPECT_EQ(ReadFileBytes(path), (Bytes{1, 2, 3}));
    EXPECT_TRUE(driver.Dialogs.Messages.empty());
}

TEST_F(DocumentCommands, RefusedOpenNamesTheFileAndKeepsTheWindow) {
    driver.LoadTiles(WriteSheet(64));
    TileSetContent tooMany = ForeignTileSet();
    tooMany.TileCount = 1202;
    const std::string tooManyPath = dir.File("too-many.tls");
    WriteFileBytes(tooManyPath, tooMany.FileBytes());
    const Bytes whole = ForeignTileSet().FileBytes();
    const std::string cutPath = dir.File("cut.tls");
    WriteFileBytes(cutPath, Bytes(whole.begin(), whole.begin() + 100));

    for (const std::string& path : {tooManyPath, cutPath, dir.File("missing.tls")}) {
        driver.Dialogs.Messages.clear();
        driver.Open(path);
        ASSERT_EQ(driver.Dialogs.Messages.size(), 1u) << path;
        EXPECT_TRUE(driver.Dialogs.Messages[0].contains(QString::fromStdString(path)))
            << driver.Dialogs.Messages[0].toStdString();
        EXPECT_EQ(window.Session.Set().Header.TileCount, 0);
        EXPECT_EQ(window.Session.Set().TileAttributes[0][3], 0);
        EXPECT_TRUE(window.fraIn->isEnabled());
        EXPECT_FALSE(window.frmControls->isEnabled());
    }

    const std::string goodPath = dir.File("good.tls");
    WriteFileBytes(goodPath, whole);
    driver.Open(goodPath);
    EXPECT_EQ(window.Session.Set().Header.TileCount, 30);
    EXPECT_TRUE(window.frmControls->isEnabled());
}

TEST_F(DocumentCommands, BitmapTooLargeForThePlaneSizeMakesNoTileSet) {
    driver.LoadTiles(WriteSheet(1280));  // 208 x 1280 / 8 = 33280 bytes a plane
    driver.New(0);
    ASSERT_EQ(driver.Dialogs.Messages.size(), 1u);
    EXPECT_TRUE(driver.Dialogs.Messages[0].contains("plane size")) << driver.Dialogs.Messages[0].toStdString();
    EXPECT_EQ(window.Session.Set().Header.TileCount, 0);
    EXPECT_TRUE(window.fraIn->isEnabled());
    EXPECT_FALSE(window.frmControls->isEnabled());
}

TEST_F(DocumentCommands, RefusedSaveLeavesDocumentAndFileAsTheyWere) {
    driver.LoadTiles(WriteSheet(1280));
    const std::string openedPath = dir.File("foreign.tls");
    WriteFileBytes(openedPath, ForeignTileSet().FileBytes());
    driver.Open(openedPath);
    ASSERT_TRUE(window.frmControls->isEnabled());

    // A frame the file cannot hold; a click refuses such a cell, so it is set directly.
    driver.PutFrame(0, 0, 1030);

    const std::string path = dir.File("existing.tls");
    WriteFileBytes(path, Bytes{9, 8, 7});
    driver.Save(path);
    ASSERT_EQ(driver.Dialogs.Messages.size(), 1u);
    EXPECT_TRUE(driver.Dialogs.Messages[0].contains(QString::fromStdString(path)));
    EXPECT_EQ(ReadFileBytes(path), (Bytes{9, 8, 7}));
    EXPECT_EQ(driver.Frame(0, 0), 1030);
    EXPECT_TRUE(window.fraOut->isEnabled());

    const std::string noFolder = (dir.Path() / "no-such-folder" / "x.tls").string();
    driver.Save(noFolder);
    ASSERT_EQ(driver.Dialogs.Messages.size(), 2u);
    EXPECT_TRUE(driver.Dialogs.Messages[1].contains(QString::fromStdString(noFolder)));
    EXPECT_FALSE(std::filesystem::exists(noFolder));

    driver.AssignCell(1023);
    driver.Save(path);
    EXPECT_EQ(driver.Dialogs.Messages.size(), 2u);
    const Bytes saved = ReadFileBytes(path);
    EXPECT_EQ(dev_support::GetLE16(saved, 62 + 5 * 30), 1023 * 32);
}

}  // namespace
}  // namespace mosalind
