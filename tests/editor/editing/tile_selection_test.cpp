// What clicks with Shift and Ctrl, Ctrl+A and the sheet's moves select, on a set of 915
// tiles whose sheet shows the 910 of its whole rows (22 rows to a page).
#include "editing/tile_selection.h"

#include <gtest/gtest.h>

#include <variant>
#include <vector>

#include "support/test_files.h"

namespace mosalind {
namespace {

using Click = TileSelection::Click;
using Move = TileSelection::Move;

struct ClickOn {
    int Tile;
    Click Kind = Click::Plain;
};
struct Key {
    Move Where;
    bool Extend = false;
};
struct SelectAll {};
struct FollowTo {
    int Tile;
};
struct Choose {
    std::vector<std::int16_t> Tiles;
};
using Action = std::variant<ClickOn, Key, SelectAll, FollowTo, Choose>;

TEST(TileSelection, ClicksAndMovesSelectTheExpectedTiles) {
    const struct {
        const char* Why;
        std::vector<Action> Actions;
        std::vector<std::int16_t> Selected;
        int Current;
    } cases[] = {
        {"a new set has tile 0 alone", {}, {0}, 0},
        {"a plain click selects the tile alone", {ClickOn{5, Click::Extend}, ClickOn{28}}, {28}, 28},
        {"Shift takes the rectangle across rows from the last plain click",
         {ClickOn{15}, ClickOn{43, Click::Extend}},
         {15, 16, 17, 28, 29, 30, 41, 42, 43},
         43},
        {"the rectangle's corners may lie either way round",
         {ClickOn{17}, ClickOn{41, Click::Extend}},
         {15, 16, 17, 28, 29, 30, 41, 42, 43},
         41},
        {"a second Shift click replaces the rectangle from the same anchor",
         {ClickOn{15}, ClickOn{43, Click::Extend}, ClickOn{16, Click::Extend}},
         {15, 16},
         16},
        {"Ctrl adds and removes one tile; the nearest selected tile is current then",
         {ClickOn{3}, ClickOn{7, Click::Toggle}, ClickOn{900, Click::Toggle}, ClickOn{3, Click::Toggle}},
         {7, 900},
         7},
        {"of two selected tiles as near to the one Ctrl takes out, the one after it is current",
         {ClickOn{30}, ClickOn{28, Click::Toggle}, ClickOn{32, Click::Toggle}, ClickOn{30, Click::Toggle}},
         {28, 32},
         32},
        {"Ctrl on the only selected tile leaves it selected and current",
         {ClickOn{40}, ClickOn{41, Click::Toggle}, ClickOn{40, Click::Toggle}, ClickOn{41, Click::Toggle}},
         {41},
         41},
        {"Ctrl+Shift adds a rectangle from the tile Ctrl clicked last",
         {ClickOn{0}, ClickOn{26, Click::Toggle}, ClickOn{27, Click::Add}},
         {0, 26, 27},
         27},
        {"Alt+Shift takes the run in reading order, across rows",
         {ClickOn{11}, ClickOn{15, Click::Run}},
         {11, 12, 13, 14, 15},
         15},
        {"the run goes either way from the anchor", {ClickOn{15}, ClickOn{11, Click::Run}}, {11, 12, 13, 14, 15}, 11},
        {"chosen tiles keep the current one among them",
         {ClickOn{40}, Choose{{3, 40, 914, 915, -1}}},
         {3, 40, 914},
         40},
        {"chosen tiles without the current one make the first current", {ClickOn{40}, Choose{{700, 3}}}, {3, 700}, 3},
        {"choosing no tile of the set changes nothing", {ClickOn{40}, Choose{{915}}}, {40}, 40},
        {"a click past the set is no click", {ClickOn{8}, ClickOn{915}, ClickOn{-1}}, {8}, 8},
        {"a tile of the partial last row can be clicked", {ClickOn{912}}, {912}, 912},
        {"Ctrl+A selects every tile of the set and keeps the current one",
         {ClickOn{60}, SelectAll{}},
         testing_support::TileRange(0, 915),
         60},
        {"arrows move like plain clicks", {ClickOn{20}, Key{Move::Right}, Key{Move::Down}}, {34}, 34},
        {"Shift+arrows extend the rectangle from the last tile reached without Shift",
         {ClickOn{14}, Key{Move::Right, true}, Key{Move::Down, true}},
         {14, 15, 27, 28},
         28},
        {"Up in the first row and Left at tile 0 stay",
         {ClickOn{2}, Key{Move::Up}, Key{Move::Left}, Key{Move::Left}},
         {0},
         0},
        {"Right past the last shown tile stays on it", {Key{Move::Last}, Key{Move::Right}}, {909}, 909},
        {"Down in the last row stays in its column", {ClickOn{900}, Key{Move::Down}}, {900}, 900},
        {"Page Down moves 22 rows", {ClickOn{1}, Key{Move::PageDown}}, {287}, 287},
        {"Page Down past the end stops in the last row, same column", {ClickOn{800}, Key{Move::PageDown}}, {904}, 904},
        {"Page Up past the top stops in the first row, same column", {ClickOn{40}, Key{Move::PageUp}}, {1}, 1},
        {"Shift+Home selects the rectangle up to the first tile",
         {ClickOn{27}, Key{Move::First, true}},
         {0, 1, 13, 14, 26, 27},
         0},
        {"a tile followed outside the selection is selected alone",
         {ClickOn{15}, ClickOn{17, Click::Extend}, FollowTo{40}},
         {40},
         40},
        {"a tile followed inside the selection keeps it",
         {ClickOn{15}, ClickOn{17, Click::Extend}, FollowTo{16}},
         {15, 16, 17},
         16},
    };
    for (const auto& c : cases) {
        TileSelection selection;
        selection.Reset(915, 910);
        for (const Action& action : c.Actions) {
            if (const auto* click = std::get_if<ClickOn>(&action)) {
                selection.ClickTile(click->Tile, click->Kind);
            } else if (const auto* key = std::get_if<Key>(&action)) {
                EXPECT_TRUE(selection.MoveCurrent(key->Where, key->Extend, 22)) << c.Why;
            } else if (const auto* follow = std::get_if<FollowTo>(&action)) {
                selection.Follow(follow->Tile);
            } else if (const auto* choose = std::get_if<Choose>(&action)) {
                selection.SelectTiles(choose->Tiles);
            } else {
                selection.SelectAll();
            }
        }
        EXPECT_EQ(selection.Tiles(), c.Selected) << c.Why;
        EXPECT_EQ(selection.Current(), c.Current) << c.Why;
    }

    TileSelection noRows;
    noRows.Reset(12, 0);
    EXPECT_FALSE(noRows.MoveCurrent(Move::Down, false, 22)) << "a sheet without a whole row has no tile to reach";
}

}  // namespace
}  // namespace mosalind
