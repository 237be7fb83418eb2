#include "sample_sheet/terrain.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

namespace sample_sheet {

namespace {

void GroundBody(Cell& c, const Ground& g, int seed) {
    c.Paint([&](int x, int y) {
        const auto n = Noise(x, y, seed) % 23;
        if (n < 2 || (n == 2 && x > 0 && Noise(x - 1, y, seed) % 23 < 2))
            return int(g.Speckle);
        return n == 3 ? int(g.Fleck) : int(g.Body);
    });
}

// Colour of the surface layer `depth` pixels below the ground's top line; -1 below it.
int SurfaceColour(const Ground& g, double depth, int x) {
    if (depth < 3)
        return g.Top;
    if (depth < 4)
        return Noise(x, 0, g.Seed) % 3 ? int(g.Top) : int(g.TopShade);
    if (depth < 5)
        return Noise(x, 1, g.Seed) % 3 ? int(g.TopShade) : -1;
    return -1;
}

}  // namespace

// --- Ground sets and slopes ----------------------------------------------------------------------

Cell GroundTile(const Ground& g, bool top, bool left, bool right, bool bottom, int variant) {
    Cell c;
    GroundBody(c, g, g.Seed + variant);
    if (left)
        c.Rect(0, 0, 1, kCellSize, g.Edge);
    if (right)
        c.Rect(kCellSize - 1, 0, 1, kCellSize, g.Edge);
    if (bottom)
        c.Rect(0, kCellSize - 1, kCellSize, 1, g.Edge);
    if (top) {
        c.Paint([&](int x, int y) { return SurfaceColour(g, y + 0.5, x); });
        if (left)
            c.Rect(0, 0, 1, 5, g.TopShade);
        if (right)
            c.Rect(kCellSize - 1, 0, 1, 5, g.TopShade);
    }
    const int last = kCellSize - 1;
    if (top && left)
        c.Set(0, 0, Sky);
    if (top && right)
        c.Set(last, 0, Sky);
    if (bottom && left)
        c.Set(0, last, Sky);
    if (bottom && right)
        c.Set(last, last, Sky);
    return c;
}

Cell SlopeTile(const Ground& g, int left, int right) {
    Cell c;
    GroundBody(c, g, g.Seed);
    c.Paint([&](int x, int y) {
        const double line = 4.0 * left + 4.0 * (right - left) * (x + 0.5) / kCellSize;
        const double depth = y + 0.5 - line;
        return depth < 0 ? int(Sky) : SurfaceColour(g, depth, x);
    });
    return c;
}

// --- Solid blocks --------------------------------------------------------------------------------

Cell Bricks(Colour face, Colour light, Colour shade, Colour mortar) {
    Cell c;
    c.Paint([&](int x, int y) {
        const int row = y / 4, yy = y % 4, xx = (x + (row % 2) * 4) % 8;
        if (yy == 3 || xx == 7)
            return int(mortar);
        if (yy == 0 && xx < 6)
            return int(light);
        if (yy == 2 && xx > 0)
            return int(shade);
        return int(face);
    });
    return c;
}

Cell MossyBricks() {
    Cell c = Bricks(Red, Orange, DarkRed, DarkGrey);
    c.Paint([](int x, int y) {
        const int depth = 2 + int(Noise(x, 0, 5) % 3) + (x % 5 == 2 ? 3 : 0);
        return y < depth ? int(y + 1 == depth ? DarkGreen : Green) : -1;
    });
    return c;
}

Cell CastleStone() {
    Cell c(DarkGrey);
    for (int y = 0; y < kCellSize; y += 8)
        for (int x = 0; x < kCellSize; x += 8)
            c.Bevel(x, y, 7, 7, Grey, White, DarkGrey);
    c.Rect(0, 7, kCellSize, 1, Black);
    c.Rect(7, 0, 1, kCellSize, Black);
    c.Rect(15, 0, 1, kCellSize, Black);
    c.Rect(0, 15, kCellSize, 1, Black);
    return c;
}

Cell StoneBlock(bool cracked) {
    Cell c;
    c.Bevel(0, 0, kCellSize, kCellSize, Grey, White, DarkGrey);
    c.Paint([](int x, int y) {
        return x > 0 && y > 0 && x < 15 && y < 15 && Noise(x, y, 3) % 19 == 0 ? int(DarkGrey) : -1;
    });
    if (cracked) {
        c.Line(4, 1, 6, 5, Black);
        c.Line(6, 5, 5, 9, Black);
        c.Line(6, 6, 10, 8, Black);
        c.Line(10, 8, 11, 12, Black);
    }
    return c;
}

Cell Cobbles() {
    Cell c(DarkGrey);
    const std::array<std::array<int, 4>, 3> breaks{{{0, 5, 11, 16}, {0, 3, 9, 16}, {0, 7, 12, 16}}};
    const std::array<int, 4> rowTop{0, 5, 11, 16};
    for (std::size_t r = 0; r < 3; ++r)
        for (std::size_t i = 0; i < 3; ++i) {
            const int x = breaks[r][i], w = breaks[r][i + 1] - x - 1;
            const int y = rowTop[r], h = rowTop[r + 1] - y - 1;
            c.Bevel(x, y, w, h, Grey, White, DarkGrey);
            c.Set(x, y, DarkGrey);
            c.Set(x + w - 1, y + h - 1, Black);
        }
    return c;
}

Cell MetalPlate() {
    Cell c;
    c.Bevel(0, 0, kCellSize, kCellSize, Grey, White, DarkGrey);
    for (auto [x, y] : {std::pair{3, 3}, {12, 3}, {3, 12}, {12, 12}}) {
        c.Set(x, y, DarkGrey);
        c.Set(x - 1, y - 1, White);
    }
    c.Rect(5, 7, 6, 1, DarkGrey);
    c.Rect(5, 8, 6, 1, White);
    return c;
}

Cell HazardStripes() {
    Cell c;
    c.Paint([](int x, int y) { return ((x + y) / 4) % 2 ? int(Black) : int(Yellow); });
    c.Rect(0, 0, kCellSize, 1, DarkGrey);
    c.Rect(0, 15, kCellSize, 1, DarkGrey);
    return c;
}

Cell Crate() {
    Cell c(Brown);
    c.Bevel(0, 0, kCellSize, kCellSize, Brown, Orange, DarkBrown);
    c.Bevel(2, 2, 12, 12, Brown, DarkBrown, Orange);
    c.Line(3, 12, 12, 3, DarkBrown);
    c.Line(3, 11, 11, 3, Orange);
    for (auto [x, y] : {std::pair{1, 1}, {14, 1}, {1, 14}, {14, 14}})
        c.Set(x, y, DarkGrey);
    return c;
}

Cell Planks() {
    Cell c(Brown);
    const std::array<int, 4> joint{5, 12, 2, 9};
    for (int row = 0; row < 4; ++row) {
        const int y = row * 4;
        c.Rect(0, y, kCellSize, 1, Orange);
        c.Rect(0, y + 3, kCellSize, 1, DarkBrown);
        const int j = joint[std::size_t(row)];
        c.Rect(j, y, 1, 3, DarkBrown);
        c.Set(j - 2, y + 1, DarkGrey);
        c.Set(j + 2, y + 1, DarkGrey);
    }
    return c;
}

Cell IceBlock() {
    Cell c(Ice);
    c.Bevel(0, 0, kCellSize, kCellSize, Ice, White, Sky);
    c.Line(3, 9, 9, 3, White);
    c.Line(4, 12, 12, 4, White);
    c.Line(10, 13, 13, 10, White);
    c.Line(6, 14, 7, 11, Sky);
    return c;
}

Cell BonusBlock() {
    Cell c;
    c.Bevel(0, 0, kCellSize, kCellSize, Yellow, White, Orange);
    c.Rect(0, 15, kCellSize, 1, Brown);
    c.Rect(15, 0, 1, kCellSize, Brown);
    for (auto [x, y] : {std::pair{2, 2}, {13, 2}, {2, 13}, {13, 13}})
        c.Set(x, y, Brown);
    c.Rect(7, 3, 2, 6, Brown);
    c.Rect(7, 10, 2, 2, Brown);
    c.Rect(9, 4, 1, 5, Orange);
    return c;
}

Cell Pillar(int part) {  // 0 top, 1 middle, 2 bottom
    Cell c;
    c.Rect(3, 0, 10, kCellSize, Grey);
    c.Rect(3, 0, 2, kCellSize, White);
    c.Rect(7, 0, 1, kCellSize, DarkGrey);
    c.Rect(10, 0, 1, kCellSize, DarkGrey);
    c.Rect(12, 0, 1, kCellSize, DarkGrey);
    if (part == 0) {
        c.Rect(0, 0, kCellSize, 6, Sky);
        c.Bevel(1, 2, 14, 4, Grey, White, DarkGrey);
        c.Rect(2, 6, 12, 1, DarkGrey);
    } else if (part == 2) {
        c.Bevel(1, 11, 14, 5, Grey, White, DarkGrey);
        c.Rect(2, 10, 12, 1, White);
    }
    return c;
}

// --- Platforms -----------------------------------------------------------------------------------

Cell WoodPlatform(int part) {  // 0 left end, 1 middle, 2 right end
    Cell c;
    c.Rect(0, 0, kCellSize, 1, Orange);
    c.Rect(0, 1, kCellSize, 3, Brown);
    c.Rect(0, 4, kCellSize, 1, DarkBrown);
    c.Rect(7, 1, 1, 3, DarkBrown);
    c.Set(3, 2, DarkGrey);
    c.Set(11, 2, DarkGrey);
    if (part == 0) {
        c.Rect(0, 0, 1, 5, Sky);
        c.Set(1, 0, Sky);
        c.Set(1, 4, Sky);
        c.Line(2, 5, 6, 9, DarkBrown);
        c.Line(3, 5, 7, 9, Brown);
    }
    return part == 2 ? WoodPlatform(0).FlippedX() : c;
}

Cell Girder(int part) {
    Cell c;
    c.Rect(0, 0, kCellSize, 1, Orange);
    c.Rect(0, 1, kCellSize, 1, Red);
    c.Rect(0, 6, kCellSize, 1, Red);
    c.Rect(0, 7, kCellSize, 1, DarkRed);
    for (int x = 0; x < kCellSize; x += 8) {
        c.Line(x, 5, x + 3, 2, Red);
        c.Line(x + 4, 2, x + 7, 5, Red);
        c.Line(x + 1, 5, x + 4, 2, DarkRed);
    }
    if (part == 0) {
        c.Rect(0, 0, 3, 8, Red);
        c.Rect(0, 0, 1, 8, Orange);
        c.Set(1, 2, DarkGrey);
        c.Set(1, 5, DarkGrey);
    }
    return part == 2 ? Girder(0).FlippedX() : c;
}

Cell StoneLedge(int part) {
    Cell c;
    c.Bevel(0, 0, 8, 6, Grey, White, DarkGrey);
    c.Bevel(8, 0, 8, 6, Grey, White, DarkGrey);
    c.Rect(0, 6, kCellSize, 1, DarkGrey);
    if (part == 0) {
        c.Rect(0, 0, 1, 7, Sky);
        c.Set(1, 0, Sky);
        c.Set(1, 6, Sky);
        c.Rect(1, 1, 1, 5, White);
    }
    return part == 2 ? StoneLedge(0).FlippedX() : c;
}

Cell RopeBridge() {
    Cell c;
    c.Paint([](int x, int y) { return y == 1 ? ((x % 3) ? int(Brown) : int(Orange)) : -1; });
    for (int x : {1, 9})
        c.Rect(x, 2, 1, 3, Brown);
    for (int x = 0; x < kCellSize; x += 4) {
        c.Rect(x, 5, 3, 1, Orange);
        c.Rect(x, 6, 3, 1, Brown);
        c.Rect(x, 7, 3, 1, DarkBrown);
    }
    c.Rect(0, 6, kCellSize, 1, Brown);
    return c;
}

Cell CloudPlatform() {
    Cell c;
    c.Rect(0, 3, kCellSize, 4, White);
    c.Disc(4, 3.5, 3.5, White);
    c.Disc(11, 3, 4, White);
    c.Rect(0, 7, kCellSize, 1, Ice);
    c.Disc(2, 7.5, 1.5, Ice);
    c.Disc(9, 7.5, 1.5, Ice);
    return c;
}

Cell Grating() {
    Cell c;
    c.Rect(0, 0, kCellSize, 1, White);
    c.Rect(0, 1, kCellSize, 3, Grey);
    c.Rect(0, 4, kCellSize, 1, DarkGrey);
    for (int x = 1; x < kCellSize; x += 4)
        c.Rect(x, 1, 2, 2, Black);
    return c;
}

// --- Ladders, ropes, vines -----------------------------------------------------------------------

Cell Ladder(Cell c, int firstRung) {
    for (int x : {2, 12}) {
        c.Rect(x, firstRung - 1, 2, kCellSize, Brown);
        c.Rect(x + 1, firstRung - 1, 1, kCellSize, DarkBrown);
    }
    for (int y = firstRung; y < kCellSize; y += 4) {
        c.Rect(4, y, 8, 1, Orange);
        c.Rect(4, y + 1, 8, 1, DarkBrown);
    }
    return c;
}

Cell LadderTop() {
    Cell c = Ladder(Cell(), 5);
    c.Set(2, 4, Sky);
    c.Set(13, 4, Sky);
    return c;
}

Cell Rope() {
    Cell c;
    c.Paint([](int x, int y) {
        if (x != 7 && x != 8)
            return -1;
        return ((x + y) % 3 == 0) ? int(DarkBrown) : ((x + y) % 3 == 1) ? int(Orange) : int(Brown);
    });
    return c;
}

Cell Chain() {
    Cell c;
    for (int y = 0; y < kCellSize; y += 8) {
        c.Rect(6, y, 4, 6, DarkGrey);
        c.Rect(7, y + 1, 2, 4, Sky);
        c.Rect(6, y + 1, 1, 3, Grey);
        c.Rect(7, y + 5, 2, 4, Grey);
        c.Rect(8, y + 5, 1, 4, White);
    }
    return c;
}

Cell Vine(bool end) {
    Cell c;
    const int length = end ? 11 : kCellSize;
    for (int y = 0; y < length; ++y) {
        const int x = 7 + int(std::lround(1.5 * std::sin(y * 2 * kPi / kCellSize)));
        c.Set(x, y, DarkGreen);
        c.Set(x + 1, y, Green);
    }
    c.Ellipse(4, 4, 2.5, 1.5, Green);
    c.Ellipse(12, 12, 2.5, 1.5, Green);
    c.Set(3, 4, DarkGreen);
    c.Set(12, 12, DarkGreen);
    if (end) {
        c.Rect(0, 11, kCellSize, 5, Sky);
        c.Ellipse(9, 12.5, 2, 2.5, Green);
        c.Ellipse(9, 12.5, 1, 1.5, Sky);
    }
    return c;
}

}  // namespace sample_sheet
