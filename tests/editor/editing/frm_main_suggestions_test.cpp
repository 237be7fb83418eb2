// The Suggestions box in the window: Accept over a selection writes, in one step, the very
// bytes the same values entered by hand give; Select them finds the tiles still differing.
#include <gtest/gtest.h>
#include <QLabel>
#include <QPushButton>

#include "support/test_files.h"
#include "support/window_driver.h"
#include "window/edit_history.h"
#include "window/suggestions_box.h"

namespace mosalind {
namespace {

// A sheet of 52 cells, all sky (colour 0) but three: cell 1 a block, cell 2 a ledge (its
// top four rows), cell 3 ground falling from level 0 to level 4 (rock where y >= x).
int SheetColour(int x, int y) {
    const int cell = (y / 16) * 13 + x / 16;
    const int cx = x % 16;
    const int cy = y % 16;
    switch (cell) {
        case 1:
            return 5;
        case 2:
            return cy < 4 ? 6 : 0;
        case 3:
            return cy >= cx ? 5 : 0;
        default:
            return 0;
    }
}

TEST(Suggestions, AcceptWritesWhatTheHandWouldInOneStep) {
    dev_support::TempDir dir;
    const std::string sheet = dir.File("ledges.bmp");
    dev_support::WriteFileBytes(sheet, dev_support::EncodeBmp(testing_support::TestPicture(208, 64, SheetColour)));
    testing_support::WindowDriver accepted;
    testing_support::WindowDriver byHand;
    for (testing_support::WindowDriver* d : {&accepted, &byHand}) {
        d->LoadTiles(sheet);
        d->New(0);
    }
    const auto saved = [&dir](testing_support::WindowDriver& d) {
        d.Save(dir.File("saved.tls"));
        return dev_support::ReadFileBytes(dir.File("saved.tls"));
    };
    const dev_support::Bytes before = saved(accepted);

    // By hand: the block blocks on every side, the ledge on top, the slope's tile on top
    // (with the slope), bottom and left.
    FrmMain& hand = byHand.Window;
    byHand.SelectTile(1);
    for (QComboBox* list : hand.cboBlocking) {
        byHand.Choose(list, 1);
    }
    byHand.SelectTile(2);
    byHand.Choose(hand.cboBlocking[0], 1);
    byHand.SelectTile(3);
    for (int side : {0, 2, 3}) {
        byHand.Choose(hand.cboBlocking[side], 1);
    }
    byHand.Click(hand.chkSlope[0]);
    byHand.PickSlopeLevel(true, 0);
    byHand.PickSlopeLevel(false, 4);
    byHand.Click(hand.cmdSetSlope);

    FrmMain& window = accepted.Window;
    accepted.SelectTile(1);
    accepted.ClickAt(window.picTilesScroller, 3 * 16 + 8, 8, Qt::LeftButton, Qt::ShiftModifier);
    window.keySuggestions_Activated();
    ASSERT_TRUE(window.SuggestionBox->isVisible());
    EXPECT_TRUE(window.AttributesShown);  // the overlay shows the suggestions, as the box says
    EXPECT_EQ(window.SuggestionBox->Accept->text(), "Accept for the 3 selected tiles");
    // Each of the three cells is the art of 18 of the 910 tiles.
    EXPECT_EQ(window.SuggestionBox->Differing->text(), "54 tiles differ from their suggestions");
    const int steps = window.History->count();
    accepted.Click(window.SuggestionBox->Accept);
    EXPECT_EQ(window.History->count(), steps + 1);
    EXPECT_EQ(saved(accepted), saved(byHand));

    // The other tiles of that art now take their values from tiles 1 to 3.
    EXPECT_EQ(window.SuggestionBox->Differing->text(), "51 tiles differ from their suggestions");
    accepted.Click(window.SuggestionBox->SelectThem);
    EXPECT_EQ(window.Session.Selection().Count(), 51);
    EXPECT_EQ(window.SuggestionBox->Accept->text(), "Accept for the 51 selected tiles");
    EXPECT_TRUE(window.Session.Selection().Contains(53));

    // Where the current tile's suggestion comes from.
    const struct {
        int Tile;
        const char* Why;
    } whys[] = {{0, "Tile 0: from the art: nothing blocks"},
                {3, "Tile 3: done: learned from, never changed"},
                {53, "Tile 53: like tile 1"}};
    for (const auto& row : whys) {
        accepted.SelectTile(row.Tile);
        EXPECT_EQ(window.SuggestionBox->Why->text(), row.Why);
    }

    accepted.Press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(saved(accepted), before);

    // Closing the box puts the overlay back as it was before F6: off.
    window.keySuggestions_Activated();
    EXPECT_FALSE(window.SuggestionBox->isVisible());
    EXPECT_FALSE(window.AttributesShown);
}

}  // namespace
}  // namespace mosalind
