#include "editing/frm_main_editing_fixture.h"

namespace mosalind {
namespace {

using TileTypeEditing = EditingWindow;

// Which value a row stores is the type list's (TileTypeList), where it lands in the file the
// file's (TileSetFile); here the list stores it in the tile chosen and shows it again.
TEST_F(TileTypeEditing, ChosenRowsStoreTheirValues) {
    const struct {
        int Tile;
        std::vector<int> Rows;  // chosen in turn
        int Stored;
        const char* Shown;
    } cases[] = {{28, {2}, 2, "Door 1"},
                 {29, {30}, 254, "Masked"},
                 {30, {31}, 255, "Foreground"},
                 {31, {24, 29}, 0, "Nothing"}};  // "Teleporter", then "---"
    for (const auto& c : cases) {
        driver.SelectTile(c.Tile);
        for (const int row : c.Rows) {
            driver.Choose(window.cboBehaviour, row);
        }
        EXPECT_EQ(driver.Attribute(0, c.Tile), c.Stored);
    }
    EXPECT_EQ(driver.Attribute(0, 27), 0);
    for (const auto& c : cases) {
        driver.SelectTile(c.Tile);
        EXPECT_EQ(window.cboBehaviour->currentText(), c.Shown);
    }
}

TEST_F(TileTypeEditing, ForeignTypeShowsNothingAndStaysUntilChosen) {
    driver.PutAttribute(0, 5, 100);  // as an opened file may hold
    driver.SelectTile(5);
    EXPECT_EQ(window.cboBehaviour->currentText(), "Nothing");
    driver.SelectTile(6);
    driver.SelectTile(5);
    EXPECT_EQ(driver.Attribute(0, 5), 100);
    EXPECT_EQ(AttributeByte(Saved(), 0, 5), 100);

    driver.Choose(window.cboBehaviour, 0);
    EXPECT_EQ(driver.Attribute(0, 5), 0);
}

TEST_F(TileTypeEditing, BlockingPerSideKeepsSlopesAndOtherSides) {
    driver.SelectTile(40);
    for (QPushButton* box : window.chkSlope) {
        driver.Click(box);
    }
    driver.PickSlopeLevel(true, 1);
    driver.PickSlopeLevel(false, 2);
    driver.Click(window.cmdSetSlope);  // 0xA4 on every side
    ASSERT_EQ(driver.Attribute(1, 40), 0xA4);

    driver.Choose(window.cboBlocking[0], 1);
    driver.Choose(window.cboBlocking[1], 2);
    driver.Choose(window.cboBlocking[2], 3);
    driver.Choose(window.cboBlocking[3], 0);
    driver.Choose(window.cboBlocking[2], 3);  // the same row again changes nothing

    const dev_support::Bytes file = Saved();
    EXPECT_EQ(AttributeByte(file, 1, 40), 0xA5);
    EXPECT_EQ(AttributeByte(file, 2, 40), 0xA6);
    EXPECT_EQ(AttributeByte(file, 3, 40), 0xA7);
    EXPECT_EQ(AttributeByte(file, 4, 40), 0xA4);
    EXPECT_EQ(AttributeByte(file, 0, 40), 0);
    EXPECT_EQ(AttributeByte(file, 1, 41), 0);

    // Every list shows its own texts for the stored kinds.
    driver.SelectTile(0);
    driver.SelectTile(40);
    EXPECT_EQ(window.cboBlocking[0]->currentText(), "1 - Blocking");
    EXPECT_EQ(window.cboBlocking[1]->currentText(), "2 - x");
    EXPECT_EQ(window.cboBlocking[2]->currentText(), "3 - x");
    EXPECT_EQ(window.cboBlocking[3]->currentText(), "0 - Nothing");
}

TEST_F(TileTypeEditing, BlockingListWithoutSelectionStoresNothing) {
    driver.SelectTile(3);
    driver.PutAttribute(2, 3, 0xE3);
    driver.Choose(window.cboBlocking[1], -1);
    EXPECT_EQ(window.cboBlocking[1]->currentIndex(), 0);
    EXPECT_EQ(driver.Attribute(2, 3), 0xE0);
}

}  // namespace
}  // namespace mosalind
