#include "editing/frm_main_editing_fixture.h"

namespace mosalind {
namespace {

using SlopeEditing = EditingWindow;

struct Pair {
    int Left, Right, Byte;
};
// Pairs rising, falling and two levels apart, on every side and on two sides at once; the
// bytes of all sixteen pairs are the codec's (SlopeCodec.EncodesEveryValidPairAndDecodesItBack).
constexpr Pair kValidPairs[] = {{0, 1, 160}, {1, 3, 148}, {3, 4, 172}, {4, 0, 204}, {2, 0, 212}};
constexpr int kPairs = static_cast<int>(std::size(kValidPairs));

TEST_F(SlopeEditing, ValidPairsAreWrittenAndShownAgain) {
    for (int i = 0; i < kPairs; ++i) {
        const Pair& pair = kValidPairs[i];
        SCOPED_TRACE(testing::Message() << pair.Left << "," << pair.Right);
        const int tile = 100 + i;
        driver.SelectTile(tile);
        // Side i % 4 carries the slope; side (i + 1) % 4 too for odd i.
        driver.Choose(window.cboBlocking[i % 4], 1);
        driver.Click(window.chkSlope[i % 4]);
        if (i % 2 == 1) {
            driver.Click(window.chkSlope[(i + 1) % 4]);
        }
        EXPECT_EQ(window.linSlope->DrawMode, SlopeLine::kInvert);
        driver.PickSlopeLevel(true, pair.Left);
        driver.PickSlopeLevel(false, pair.Right);
        ASSERT_EQ(window.Session.SlopeLeft(), pair.Left);
        ASSERT_EQ(window.Session.SlopeRight(), pair.Right);
        driver.Click(window.cmdSetSlope);
        EXPECT_EQ(window.linSlope->DrawMode, SlopeLine::kCopyPen);
        std::vector<bool> sloped(4);
        for (int side = 0; side < 4; ++side) {
            sloped[side] = side == i % 4 || (i % 2 == 1 && side == (i + 1) % 4);
            EXPECT_EQ(driver.Attribute(side + 1, tile), (sloped[side] ? pair.Byte : 0) | (side == i % 4 ? 1 : 0));
        }

        driver.SelectTile(0);
        driver.SelectTile(tile);
        EXPECT_EQ(window.Session.SlopeLeft(), pair.Left);
        EXPECT_EQ(window.Session.SlopeRight(), pair.Right);
        EXPECT_EQ(SlopeBoxes(), sloped);
        EXPECT_TRUE(window.linSlope->isVisible());
    }
    EXPECT_TRUE(driver.Dialogs.Messages.empty());
}

TEST_F(SlopeEditing, PairsWithoutEncodingAreRefused) {
    driver.SelectTile(7);
    driver.Choose(window.cboBlocking[2], 3);
    driver.Click(window.chkSlope[0]);
    driver.PickSlopeLevel(true, 0);
    driver.PickSlopeLevel(false, 4);
    driver.Click(window.cmdSetSlope);
    ASSERT_EQ(driver.Attribute(1, 7), 0x80);

    // Both levels 0 straight after New would be refused too; here every refused pair.
    const std::pair<int, int> refused[] = {{0, 3}, {3, 0}, {1, 4}, {4, 1}, {2, 2}, {0, 0}};
    driver.Click(window.chkSlope[0]);  // unchecked: a valid SET SLOPE would clear the slope
    for (const auto& [left, right] : refused) {
        driver.PickSlopeLevel(true, left);
        driver.PickSlopeLevel(false, right);
        driver.Click(window.cmdSetSlope);
        EXPECT_EQ(driver.Dialogs.Messages.back(), "Invalid Slope!");
        EXPECT_EQ(window.linSlope->DrawMode, SlopeLine::kInvert);
        EXPECT_FALSE(window.chkSlope[0]->isChecked());
    }
    EXPECT_EQ(driver.Dialogs.Messages.size(), std::size(refused));
    EXPECT_EQ(driver.Attribute(1, 7), 0x80);
    EXPECT_EQ(driver.Attribute(3, 7), 3);

    // A valid pair with no box checked removes the slope and keeps the blocking kinds.
    driver.PickSlopeLevel(true, 4);
    driver.PickSlopeLevel(false, 0);
    driver.Click(window.cmdSetSlope);
    EXPECT_EQ(driver.Attribute(1, 7), 0);
    EXPECT_EQ(driver.Attribute(3, 7), 3);
    EXPECT_FALSE(window.linSlope->isVisible());
}

TEST_F(SlopeEditing, SetSlopeStraightAfterNewIsRefused) {
    driver.Click(window.chkSlope[1]);
    driver.Click(window.cmdSetSlope);
    ASSERT_EQ(driver.Dialogs.Messages.size(), 1u);
    EXPECT_EQ(driver.Dialogs.Messages[0], "Invalid Slope!");
    EXPECT_EQ(driver.Attribute(2, 0), 0);
}

TEST_F(SlopeEditing, ForeignLevelsOutsideTheTileAreRefused) {
    driver.PutAttribute(1, 9, 0x80 | 0x0C);  // falls 4 levels from level 3
    driver.SelectTile(9);
    EXPECT_EQ(window.Session.SlopeLeft(), 3);
    EXPECT_EQ(window.Session.SlopeRight(), 7);
    driver.PickSlopeLevel(true, 4);  // (4, 7): 3 apart, but ends below the tile
    driver.Click(window.cmdSetSlope);
    EXPECT_EQ(driver.Dialogs.Messages.back(), "Invalid Slope!");
    driver.PickSlopeLevel(true, 3);  // (3, 7): 4 apart, ends below the tile
    driver.Click(window.cmdSetSlope);
    EXPECT_EQ(driver.Dialogs.Messages.size(), 2u);
    EXPECT_EQ(driver.Attribute(1, 9), 0x8C);
}

TEST_F(SlopeEditing, PendingLevelsCarryOverToATileWithoutSlope) {
    driver.PutAttribute(1, 20, 0x80 | 0x01);  // 129: blocking, slope (0, 4)
    driver.SelectTile(20);
    EXPECT_EQ(window.cboBlocking[0]->currentText(), "1 - Blocking");
    EXPECT_EQ(SlopeBoxes(), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(window.Session.SlopeLeft(), 0);
    EXPECT_EQ(window.Session.SlopeRight(), 4);

    driver.SelectTile(21);
    EXPECT_EQ(SlopeBoxes(), (std::vector<bool>{false, false, false, false}));
    EXPECT_FALSE(window.linSlope->isVisible());
    EXPECT_EQ(window.Session.SlopeLeft(), 0);
    EXPECT_EQ(window.Session.SlopeRight(), 4);
    driver.Click(window.chkSlope[3]);
    EXPECT_TRUE(window.linSlope->isVisible());
    EXPECT_EQ(driver.Attribute(4, 21), 0);  // toggling a box alone writes nothing
    driver.Click(window.cmdSetSlope);
    EXPECT_EQ(driver.Attribute(4, 21), 0x80);
}

TEST_F(SlopeEditing, LastSlopedSideSetsTheLevels) {
    driver.PutAttribute(1, 50, 0xE0);  // (1, 0)
    driver.PutAttribute(3, 50, 0x98);  // (2, 4)
    driver.SelectTile(50);
    EXPECT_EQ(SlopeBoxes(), (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(window.Session.SlopeLeft(), 2);
    EXPECT_EQ(window.Session.SlopeRight(), 4);
    EXPECT_EQ(window.linSlope->DrawMode, SlopeLine::kCopyPen);
}

TEST_F(SlopeEditing, ClicksPickLevelsAndPlaceTheLine) {
    const double height = window.picTile->ScaleHeight();
    const int middle = static_cast<int>(window.picTile->ScaleWidth()) / 2;
    driver.Click(window.chkSlope[0]);
    driver.ClickTileView(middle, static_cast<int>(height) - 1);  // the middle column: right
    EXPECT_EQ(window.Session.SlopeRight(), 4);
    EXPECT_EQ(window.Session.SlopeLeft(), 0);
    driver.ClickTileView(middle - 1, static_cast<int>(height / 2));
    EXPECT_EQ(window.Session.SlopeLeft(), 2);
    EXPECT_EQ(window.linSlope->Y1, static_cast<int>(2 * height) / 4);
    EXPECT_EQ(window.linSlope->Y2, static_cast<int>(height));
    EXPECT_EQ(window.linSlope->DrawMode, SlopeLine::kInvert);
    EXPECT_TRUE(window.linSlope->isVisible());

    // Any mouse button picks a level.
    driver.ClickAt(window.picTile, 4, 4, Qt::RightButton);
    EXPECT_EQ(window.Session.SlopeLeft(), 0);
}

}  // namespace
}  // namespace mosalind
