// The side words a cell's art suggests, on drawn cells, and what the rules make of a set:
// the same art spreading a tile's values, the default empty colour.
#include "editing/suggestion_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace mosalind {
namespace {

constexpr int kSky = 0;
constexpr int kRock = 5;

using Drawing = std::function<bool(int x, int y)>;  // whether pixel (x, y) is rock

CellPixels Draw(const Drawing& rock) {
    CellPixels pixels{};
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            pixels[static_cast<std::size_t>(16 * y + x)] = rock(x, y) ? kRock : kSky;
        }
    }
    return pixels;
}

// The first rock row of column x under a line from level `left` at the tile's left edge
// to level `right` at its right edge (4 pixels a level): the row whose middle lies below
// the line at the column's middle.
int RowUnderLine(int left, int right, int x) {
    const double line = 4 * left + (right - left) * (2 * x + 1) / 8.0;
    return static_cast<int>(std::ceil(line - 0.5));
}

// The sixteen level pairs a slope can hold, with the slope bytes the game reads.
constexpr struct {
    int Left, Right, Byte;
} kSlopes[] = {{0, 1, 0xA0}, {0, 2, 0x90}, {0, 4, 0x80}, {1, 0, 0xE0}, {1, 2, 0xA4}, {1, 3, 0x94},
               {2, 0, 0xD4}, {2, 1, 0xE4}, {2, 3, 0xA8}, {2, 4, 0x98}, {3, 1, 0xD8}, {3, 2, 0xE8},
               {3, 4, 0xAC}, {4, 0, 0xCC}, {4, 2, 0xDC}, {4, 3, 0xEC}};

using Sides = std::array<std::int16_t, 4>;

// Whether side `side` (0 top, 1 right, 2 bottom, 3 left) of a drawing blocks, counted on the
// drawing: rock within 4 pixels of the edge in 12 of its 16 lines, and the half of the tile
// behind it at least 2/3 rock (the top: 1/2).
std::int16_t Blocks(const Drawing& rock, int side) {
    int reaching = 0;
    int behind = 0;
    for (int i = 0; i < 16; ++i) {
        bool reaches = false;
        for (int depth = 0; depth < 16; ++depth) {
            const int x = side == 0 || side == 2 ? i : (side == 1 ? 15 - depth : depth);
            const int y = side == 1 || side == 3 ? i : (side == 2 ? 15 - depth : depth);
            reaches = reaches || (depth < 4 && rock(x, y));
            behind += depth < 8 && rock(x, y) ? 1 : 0;
        }
        reaching += reaches ? 1 : 0;
    }
    return reaching >= 12 && (side == 0 ? 2 * behind >= 128 : 3 * behind >= 2 * 128) ? 1 : 0;
}

TEST(SuggestionRules, DrawnCellsGiveTheirSideWords) {
    struct Row {
        std::string Why;
        Drawing Rock;
        Sides Expected;
    };
    std::vector<Row> rows = {
        {"sky", [](int, int) { return false; }, {0, 0, 0, 0}},
        {"a solid block", [](int, int) { return true; }, {1, 1, 1, 1}},
        {"a ledge: rock in the top four rows", [](int, int y) { return y < 4; }, {1, 0, 0, 0}},
        {"a wall: rock in the left six columns", [](int x, int) { return x < 6; }, {0, 0, 0, 1}},
        {"a trim: rock in the left four columns is no wall", [](int x, int) { return x < 4; }, {0, 0, 0, 0}},
        {"a floor: rock in the bottom six rows", [](int, int y) { return y >= 10; }, {0, 0, 1, 0}},
        {"a floor rising one pixel, no level apart", [](int x, int y) { return y >= (x < 8 ? 8 : 7); }, {0, 0, 1, 0}},
        {"a decoration touching no edge",
         [](int x, int y) { return x >= 5 && x < 11 && y >= 4 && y < 10; },
         {0, 0, 0, 0}},
        {"a body reaching within 4 pixels of the right edge in 12 rows blocks it",
         [](int x, int y) { return x >= 2 && (y < 12 || x <= 11); },
         {1, 1, 0, 1}},
        {"a body reaching within 4 pixels of the right edge in 11 rows does not",
         [](int x, int y) { return x >= 2 && (y < 11 || x <= 11); },
         {1, 0, 0, 1}},
        {"a ground slope with holes under its surface in five columns, too many to ignore",
         [](int x, int y) { return y >= RowUnderLine(0, 4, x) && !(x >= 3 && x < 8 && y >= 8 && y < 12); },
         {0, 0, 0, 0}},
        // Real art: the ground slope from level 4 to level 0 (top 0xCC, right, bottom) drawn
        // otherwise.
        {"tufts three pixels tall over every fourth column of a slope",
         [](int x, int y) {
             return y >= RowUnderLine(4, 0, x) ||
                    (x % 4 == 1 && y < RowUnderLine(4, 0, x) - 1 && y >= RowUnderLine(4, 0, x) - 4);
         },
         {0xCD, 1, 1, 0}},
        {"a surface bulging up to 2 pixels over the line",
         [](int x, int y) { return y >= RowUnderLine(4, 0, x) - (x * (15 - x)) / 28; },
         {0xCD, 1, 1, 0}},
        {"a slope steeper than the tile: flat, then up 2 pixels a column",
         [](int x, int y) { return x >= 8 && y >= 16 - 2 * (x - 7); },
         {0xCD, 0, 0, 0}},
        {"a slope drawn from column 6 on, up a pixel a column: its line runs from row 21.5 to 5.5, full height",
         [](int x, int y) { return y >= 21 - x; },
         {0xCD, 0, 0, 0}},
        {"a round corner: rows 15, 11, 8, then a line from 7 to 1; its chord climbs 14 rows, full height",
         [](int x, int y) {
             constexpr int kSurface[16] = {15, 11, 8, 7, 7, 6, 6, 5, 5, 4, 4, 3, 3, 2, 2, 1};
             return y >= kSurface[x];
         },
         {0xCD, 1, 1, 0}},
        {"a quarter circle from the top left corner down to the bottom right one, its last column "
         "empty: full height",
         [](int x, int y) {
             constexpr int kSurface[16] = {0, 1, 1, 1, 1, 2, 2, 3, 3, 4, 5, 6, 8, 10, 13, 16};
             return y >= kSurface[x];
         },
         {0x81, 0, 1, 1}},
        {"a line from 2 pixels above the tile to level 2 takes level 0",
         [](int x, int y) { return y >= std::ceil(-2 + 10 * (x + 0.5) / 16 - 0.5); },
         {0x91, 0, 1, 1}},
        {"a slope up half a pixel a column to the top edge at column 9, level on the rest: its line "
         "climbs 8 pixels across the tile, 2 levels",
         [](int x, int y) { return y >= (10 - x) / 2; },
         {0xD5, 1, 1, 1}},
        {"a stone in a corner, its surface drawn in 7 columns, fewer than half: no slope",
         [](int x, int y) { return x < 7 && y >= 12 + x / 2; },
         {0, 0, 0, 0}},
        {"a block with a rounded corner: twelve columns on one row are flat, no slope",
         [](int x, int y) {
             constexpr int kCorner[4] = {2, 3, 3, 3};
             return y >= (x < 12 ? 0 : kCorner[x - 12]);
         },
         {1, 1, 1, 1}},
        {"a bush: a humped surface is no slope",
         [](int x, int y) { return y >= 3 + (2 * x - 15) * (2 * x - 15) / 20.0; },
         {0, 0, 1, 0}},
        {"a rock pile: a jagged surface is no slope",
         [](int x, int y) { return y >= ((x / 2) % 2 != 0 ? 4 : 12); },
         {0, 0, 1, 0}},
    };
    // Each pair as ground, rock under the line, and as ceiling, rock over it, each with a
    // stray rock pixel against its surface in column 8; the other sides as counted on the
    // drawing.
    for (const auto& slope : kSlopes) {
        const int l = slope.Left;
        const int r = slope.Right;
        const auto name = [&](const char* kind) {
            return std::string(kind) + " slope " + std::to_string(l) + " to " + std::to_string(r);
        };
        const Drawing ground = [l, r](int x, int y) {
            return y >= RowUnderLine(l, r, x) || (x == 8 && y == RowUnderLine(l, r, x) - 1);
        };
        const Drawing ceiling = [l, r](int x, int y) {
            return y < RowUnderLine(l, r, x) || (x == 8 && y == RowUnderLine(l, r, x));
        };
        const auto sloped = static_cast<std::int16_t>(slope.Byte | 1);
        rows.push_back({name("ground"), ground, {sloped, Blocks(ground, 1), Blocks(ground, 2), Blocks(ground, 3)}});
        rows.push_back(
            {name("ceiling"), ceiling, {Blocks(ceiling, 0), Blocks(ceiling, 1), sloped, Blocks(ceiling, 3)}});
    }
    EmptyColours sky;
    sky.set(kSky);
    for (const Row& row : rows) {
        EXPECT_EQ(SidesFromArt(Draw(row.Rock), sky), row.Expected) << row.Why;
    }

    // A snow cap drawn thicker where the ground slopes (5 pixels at the left, none at the
    // right) hides its steepness: the rock's surface under it, level 2 to level 0, is the slope.
    constexpr int kSnow = 9;
    CellPixels capped{};
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const int rock = RowUnderLine(2, 0, x);
            capped[static_cast<std::size_t>(16 * y + x)] =
                y >= rock ? kRock : (y >= rock - (15 - x) / 3 ? kSnow : kSky);
        }
    }
    EXPECT_EQ(SidesFromArt(capped, sky), (Sides{0xD5, 1, 1, 1}));

    // The same art with rock counted as empty too is all sky.
    EmptyColours both = sky;
    both.set(kRock);
    EXPECT_EQ(SidesFromArt(Draw([](int x, int) { return x < 4; }), both), (Sides{0, 0, 0, 0}));
}

// Planes for cells drawn in one colour each, written as the file keeps them: plane p holds
// bit p of each pixel, byte 2y + x / 8, leftmost pixel in bit 7.
TileGraphics Graphics(const std::vector<std::function<int(int, int)>>& cells) {
    TileGraphics graphics;
    graphics.BMPTileCount = static_cast<std::int16_t>(cells.size());
    graphics.TilePlanes.assign(cells.size() * 128, 0);
    for (int cell = 0; cell < graphics.BMPTileCount; ++cell) {
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const int colour = cells[static_cast<std::size_t>(cell)](x, y);
                for (int plane = 0; plane < 4; ++plane) {
                    if ((colour >> plane) & 1) {
                        graphics.PlaneByte(plane, cell, 2 * y + x / 8) |= static_cast<std::uint8_t>(0x80 >> (x % 8));
                    }
                }
            }
        }
    }
    return graphics;
}

TEST(SuggestionRules, TheSameArtSpreadsATilesValuesAndStoredKindsStay) {
    const auto block = [](int, int) { return kRock; };
    const auto ledge = [](int, int y) { return y < 4 ? 9 : kSky; };
    // Cells 0 and 2 hold the same ledge; cell 1 a block; cell 3 the ledge in another colour.
    const TileGraphics graphics = Graphics({ledge, block, ledge, [](int, int y) { return y < 4 ? 10 : kSky; }});
    TileSet tileSet;
    tileSet.Header.TileCount = 6;
    const int cells[] = {0, 1, 2, 3, 1, 7};  // tile 5 shows a cell the sheet does not have
    for (int tile = 0; tile < 6; ++tile) {
        tileSet.TileFrames[0][tile] = static_cast<std::int16_t>(cells[tile]);
    }
    tileSet.TileAttributes[0][0] = 22;  // tile 0, the ledge: a message, blocking on its left
    tileSet.TileAttributes[4][0] = 1;
    tileSet.TileAttributes[1][4] = 3;     // tile 4, a block: icy on top
    tileSet.TileAttributes[2][4] = 0x80;  // and a slope on its right side
    EmptyColours sky;
    sky.set(kSky);
    const auto suggestions = SuggestTiles(tileSet, graphics, sky, {}, false);  // twins alone, no likeness

    ASSERT_EQ(suggestions.size(), 6U);
    const std::optional<TileSuggestion> expected[] = {
        TileSuggestion{22, {1, 0, 0, 0}},    // its own type, the ledge's sides
        TileSuggestion{0, {3, 0x80, 0, 0}},  // blank, with tile 4's art: tile 4's values
        TileSuggestion{22, {0, 0, 0, 1}},    // blank, with tile 0's art: tile 0's values
        TileSuggestion{0, {1, 0, 0, 0}},     // another colour is other art
        TileSuggestion{0, {3, 1, 1, 1}},     // icy stays icy; the slope the art lacks goes
        std::nullopt,
    };
    for (int tile = 0; tile < 6; ++tile) {
        EXPECT_EQ(suggestions[tile], expected[tile]) << "tile " << tile;
    }
    EXPECT_EQ(TilesDifferingFromSuggestions(tileSet, suggestions), (std::vector<std::int16_t>{0, 1, 2, 3, 4}));
}

// Done tiles teach their convention: a ground slope blocking on its top only, a cloud that
// blocks nothing. Blank tiles like them take their values, adjusted to their own art.
TEST(SuggestionRules, BlankTilesLearnFromDoneTilesWithLikeArt) {
    constexpr int kCloud = 15;
    constexpr int kStone = 9;
    const auto ground = [](int left, int right) {
        return [left, right](int x, int y) { return y >= RowUnderLine(left, right, x) ? kRock : kSky; };
    };
    const auto cloud = [](int top) { return [top](int, int y) { return y >= top && y < top + 12 ? kCloud : kSky; }; };
    // Tile 1's cloud with its right half in another colour: the same solid pixels, half the
    // colours' shares apart.
    const auto halfStone = [](int x, int y) { return y >= 2 && y < 14 ? (x < 8 ? kCloud : kStone) : kSky; };
    // A background wall drawn edge to edge in two colours, and the same wall a pixel along.
    const auto wall = [](int shift) { return [shift](int x, int y) { return 12 + (x + y + shift) % 2; }; };
    // A door drawn edge to edge: a frame, a panel and a knob of `knob` pixels a side at x.
    const auto door = [](int frame, int panel, int knobColour, int knob, int x0) {
        return [=](int x, int y) {
            return x == 0 || x == 15 || y == 0                          ? frame
                   : x >= x0 && x < x0 + knob && y >= 7 && y < 7 + knob ? knobColour
                                                                        : panel;
        };
    };
    const TileGraphics graphics = Graphics({ground(4, 2), cloud(2), ground(2, 4), ground(2, 0), cloud(3),
                                            [](int x, int y) { return kStone + (x + y) % 2; }, ground(4, 2), halfStone,
                                            [](int x, int y) { return y >= 15 - x ? kCloud : kSky; }, wall(0), wall(1),
                                            [&ground](int x, int y) { return ground(4, 2)(x, 15 - y); },
                                            door(1, 2, 3, 2, 11), door(6, 7, 8, 2, 11), door(6, 7, 8, 3, 3)});
    TileSet tileSet;
    tileSet.Header.TileCount = 15;
    for (int tile = 0; tile < 15; ++tile) {
        tileSet.TileFrames[0][tile] = static_cast<std::int16_t>(tile);
    }
    tileSet.TileAttributes[0][0] = 1;     // done: ground (4,2) that kills, blocking on its top only
    tileSet.TileAttributes[1][0] = 0xDD;  // (4,2) is 0xDC
    tileSet.TileAttributes[0][12] = 5;    // done: a door of type 5 that blocks nothing
    DoneTiles done;
    done.set(1);  // done: the cloud, given nothing
    done.set(6);  // done although blank: never suggested, though its art is tile 0's
    done.set(9);  // done: the background wall, given nothing
    EmptyColours sky;
    sky.set(kSky);

    const struct {
        const char* Why;
        TileSuggestion Expected;
        std::int16_t Like;
        bool Mirrored;
        bool UpsideDown = false;
    } rows[] = {
        {"done", {1, {0xDD, 0, 0, 0}}, -1, false},  // its own type, the rules' sides (for --all)
        {"done although blank", {0, {1, 1, 1, 1}}, -1, false},
        {"ground (2,4), tile 0 mirrored: the slope reversed, top only", {1, {0x99, 0, 0, 0}}, 0, true},
        {"ground (2,0), tile 0 moved up 8 rows: its own levels, tile 0's convention", {1, {0xD5, 0, 0, 0}}, 0, false},
        {"a cloud a row lower than tile 1: nothing", {0, {0, 0, 0, 0}}, 1, false},
        {"stone: too unlike anything done, the rules", {0, {1, 1, 1, 1}}, -1, false},
        {"done although blank, with tile 0's art", {0, {0xDD, 0, 0, 0}}, -1, false},
        {"tile 1's solid pixels, half in other colours: too unlike, the rules", {0, {1, 1, 1, 1}}, -1, false},
        // 133 of its 480 neighbouring pixel pairs and 124 of its pixels differ from tile 1's
        // cloud's, and the rules read the two otherwise: (266 + 124) / 2 + 24 = 219 apart,
        // too unlike anything done. The rules see a slope in it: its own slope (4,0) with
        // the set's convention for slopes (tile 0's type and top only).
        {"a cloud-coloured ground slope: its own slope, tile 0's convention", {1, {0xCD, 0, 0, 0}}, 0, false},
        {"done although blank: a wall", {0, {1, 1, 1, 1}}, -1, false},
        {"tile 9's wall a pixel along: the same neighbouring pairs, nothing", {0, {0, 0, 0, 0}}, 9, false},
        // Turned over, the slope (4,2) on the top is (0,2) on the bottom: 0x90, blocking 1.
        {"tile 0's ground turned upside down: a ceiling, its convention", {1, {0, 0, 0x91, 0}}, 0, false, true},
        {"done: a door", {5, {1, 1, 1, 1}}, -1, false},
        {"tile 12's door in other colours: nothing, not its type", {0, {0, 0, 0, 0}}, 12, false},
        // Its knob of 9 pixels elsewhere: the colours' shares 10 pixels apart, and no pair alike.
        {"a door in other colours with another knob: too unlike, the rules", {0, {1, 1, 1, 1}}, -1, false},
    };
    const auto suggestions = SuggestTiles(tileSet, graphics, sky, done);
    const auto rulesAlone = SuggestTiles(tileSet, graphics, sky, done, false);
    for (int tile = 0; tile < 15; ++tile) {
        ASSERT_TRUE(suggestions[tile]) << rows[tile].Why;
        EXPECT_EQ(*suggestions[tile], rows[tile].Expected) << rows[tile].Why;
        EXPECT_EQ(suggestions[tile]->Like, rows[tile].Like) << rows[tile].Why;
        EXPECT_EQ(suggestions[tile]->Mirrored, rows[tile].Mirrored) << rows[tile].Why;
        EXPECT_EQ(suggestions[tile]->UpsideDown, rows[tile].UpsideDown) << rows[tile].Why;
        EXPECT_EQ(rulesAlone[tile]->Like, -1) << rows[tile].Why;
    }
    EXPECT_EQ(SuggestionSource(*suggestions[2]), "like tile 0, mirrored");
    EXPECT_EQ(SuggestionSource(*suggestions[11]), "like tile 0, upside down");
    EXPECT_EQ(SuggestionSource(*suggestions[13]), "like tile 12, in other colours");
    EXPECT_EQ(SuggestionSource(*suggestions[5]), "from the art: solid");
    EXPECT_EQ(SuggestionSource(*rulesAlone[3]), "from the art: ground slope 2,0");

    // The cloud's and the wall's colours show only in done tiles that block nothing; rock and
    // stone are in a blocking one or in none done, and so are the second door's. No cell is
    // of one colour: the sky is 0.
    const std::array<EmptyBecause, 16> reasons = DefaultEmptyColours(tileSet, graphics, done);
    for (int colour = 0; colour < 16; ++colour) {
        const EmptyBecause expected = colour == kSky ? EmptyBecause::Sky
                                      : colour == kCloud || colour == 12 || colour == 13 || (colour >= 1 && colour <= 3)
                                          ? EmptyBecause::OnlyInPassingTiles
                                          : EmptyBecause::NotEmpty;
        EXPECT_EQ(reasons[colour], expected) << "colour " << colour;
    }
}

TEST(SuggestionRules, TheDefaultEmptyColourFillsTheMostCellsAlone) {
    const auto plain = [](int colour) { return [colour](int, int) { return colour; }; };
    const auto mixed = [](int x, int) { return x < 8 ? 3 : 7; };
    EmptyColours seven;
    seven.set(7);
    EXPECT_EQ(DefaultEmptyColours(Graphics({plain(2), plain(7), mixed, plain(7), plain(2), plain(7), mixed})), seven);
    EmptyColours two;
    two.set(2);
    EXPECT_EQ(DefaultEmptyColours(Graphics({plain(7), plain(2), plain(2), plain(7)})), two) << "the lower of equals";
    EmptyColours zero;
    zero.set(0);
    EXPECT_EQ(DefaultEmptyColours(Graphics({mixed, mixed})), zero) << "no cell of one colour";
}

}  // namespace
}  // namespace mosalind
