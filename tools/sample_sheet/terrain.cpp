#include "sample_sheet/terrain.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

namespace sample_sheet {

namespace {

void groundBody(Cell& c, const Ground& g, int seed) {
  c.paint([&](int x, int y) {
    const auto n = noise(x, y, seed) % 23;
    if (n < 2 || (n == 2 && x > 0 && noise(x - 1, y, seed) % 23 < 2)) return int(g.speckle);
    return n == 3 ? int(g.fleck) : int(g.body);
  });
}

// Colour of the surface layer `depth` pixels below the ground's top line; -1 below it.
int surfaceColour(const Ground& g, double depth, int x) {
  if (depth < 3) return g.top;
  if (depth < 4) return noise(x, 0, g.seed) % 3 ? int(g.top) : int(g.topShade);
  if (depth < 5) return noise(x, 1, g.seed) % 3 ? int(g.topShade) : -1;
  return -1;
}

}  // namespace

// --- Ground sets and slopes ----------------------------------------------------------------------

Cell groundTile(const Ground& g, bool top, bool left, bool right, bool bottom, int variant) {
  Cell c;
  groundBody(c, g, g.seed + variant);
  if (left) c.rect(0, 0, 1, kSize, g.edge);
  if (right) c.rect(kSize - 1, 0, 1, kSize, g.edge);
  if (bottom) c.rect(0, kSize - 1, kSize, 1, g.edge);
  if (top) {
    c.paint([&](int x, int y) { return surfaceColour(g, y + 0.5, x); });
    if (left) c.rect(0, 0, 1, 5, g.topShade);
    if (right) c.rect(kSize - 1, 0, 1, 5, g.topShade);
  }
  const int last = kSize - 1;
  if (top && left) c.set(0, 0, Sky);
  if (top && right) c.set(last, 0, Sky);
  if (bottom && left) c.set(0, last, Sky);
  if (bottom && right) c.set(last, last, Sky);
  return c;
}

Cell slopeTile(const Ground& g, int left, int right) {
  Cell c;
  groundBody(c, g, g.seed);
  c.paint([&](int x, int y) {
    const double line = 4.0 * left + 4.0 * (right - left) * (x + 0.5) / kSize;
    const double depth = y + 0.5 - line;
    return depth < 0 ? int(Sky) : surfaceColour(g, depth, x);
  });
  return c;
}

// --- Solid blocks --------------------------------------------------------------------------------

Cell bricks(Colour face, Colour light, Colour shade, Colour mortar) {
  Cell c;
  c.paint([&](int x, int y) {
    const int row = y / 4, yy = y % 4, xx = (x + (row % 2) * 4) % 8;
    if (yy == 3 || xx == 7) return int(mortar);
    if (yy == 0 && xx < 6) return int(light);
    if (yy == 2 && xx > 0) return int(shade);
    return int(face);
  });
  return c;
}

Cell mossyBricks() {
  Cell c = bricks(Red, Orange, DarkRed, DarkGrey);
  c.paint([](int x, int y) {
    const int depth = 2 + int(noise(x, 0, 5) % 3) + (x % 5 == 2 ? 3 : 0);
    return y < depth ? int(y + 1 == depth ? DarkGreen : Green) : -1;
  });
  return c;
}

Cell castleStone() {
  Cell c(DarkGrey);
  for (int y = 0; y < kSize; y += 8)
    for (int x = 0; x < kSize; x += 8) c.bevel(x, y, 7, 7, Grey, White, DarkGrey);
  c.rect(0, 7, kSize, 1, Black);
  c.rect(7, 0, 1, kSize, Black);
  c.rect(15, 0, 1, kSize, Black);
  c.rect(0, 15, kSize, 1, Black);
  return c;
}

Cell stoneBlock(bool cracked) {
  Cell c;
  c.bevel(0, 0, kSize, kSize, Grey, White, DarkGrey);
  c.paint([](int x, int y) {
    return x > 0 && y > 0 && x < 15 && y < 15 && noise(x, y, 3) % 19 == 0 ? int(DarkGrey) : -1;
  });
  if (cracked) {
    c.line(4, 1, 6, 5, Black);
    c.line(6, 5, 5, 9, Black);
    c.line(6, 6, 10, 8, Black);
    c.line(10, 8, 11, 12, Black);
  }
  return c;
}

Cell cobbles() {
  Cell c(DarkGrey);
  const std::array<std::array<int, 4>, 3> breaks{{{0, 5, 11, 16}, {0, 3, 9, 16}, {0, 7, 12, 16}}};
  const std::array<int, 4> rowTop{0, 5, 11, 16};
  for (std::size_t r = 0; r < 3; ++r)
    for (std::size_t i = 0; i < 3; ++i) {
      const int x = breaks[r][i], w = breaks[r][i + 1] - x - 1;
      const int y = rowTop[r], h = rowTop[r + 1] - y - 1;
      c.bevel(x, y, w, h, Grey, White, DarkGrey);
      c.set(x, y, DarkGrey);
      c.set(x + w - 1, y + h - 1, Black);
    }
  return c;
}

Cell metalPlate() {
  Cell c;
  c.bevel(0, 0, kSize, kSize, Grey, White, DarkGrey);
  for (auto [x, y] : {std::pair{3, 3}, {12, 3}, {3, 12}, {12, 12}}) {
    c.set(x, y, DarkGrey);
    c.set(x - 1, y - 1, White);
  }
  c.rect(5, 7, 6, 1, DarkGrey);
  c.rect(5, 8, 6, 1, White);
  return c;
}

Cell hazardStripes() {
  Cell c;
  c.paint([](int x, int y) { return ((x + y) / 4) % 2 ? int(Black) : int(Yellow); });
  c.rect(0, 0, kSize, 1, DarkGrey);
  c.rect(0, 15, kSize, 1, DarkGrey);
  return c;
}

Cell crate() {
  Cell c(Brown);
  c.bevel(0, 0, kSize, kSize, Brown, Orange, DarkBrown);
  c.bevel(2, 2, 12, 12, Brown, DarkBrown, Orange);
  c.line(3, 12, 12, 3, DarkBrown);
  c.line(3, 11, 11, 3, Orange);
  for (auto [x, y] : {std::pair{1, 1}, {14, 1}, {1, 14}, {14, 14}}) c.set(x, y, DarkGrey);
  return c;
}

Cell planks() {
  Cell c(Brown);
  const std::array<int, 4> joint{5, 12, 2, 9};
  for (int row = 0; row < 4; ++row) {
    const int y = row * 4;
    c.rect(0, y, kSize, 1, Orange);
    c.rect(0, y + 3, kSize, 1, DarkBrown);
    const int j = joint[std::size_t(row)];
    c.rect(j, y, 1, 3, DarkBrown);
    c.set(j - 2, y + 1, DarkGrey);
    c.set(j + 2, y + 1, DarkGrey);
  }
  return c;
}

Cell iceBlock() {
  Cell c(Ice);
  c.bevel(0, 0, kSize, kSize, Ice, White, Sky);
  c.line(3, 9, 9, 3, White);
  c.line(4, 12, 12, 4, White);
  c.line(10, 13, 13, 10, White);
  c.line(6, 14, 7, 11, Sky);
  return c;
}

Cell bonusBlock() {
  Cell c;
  c.bevel(0, 0, kSize, kSize, Yellow, White, Orange);
  c.rect(0, 15, kSize, 1, Brown);
  c.rect(15, 0, 1, kSize, Brown);
  for (auto [x, y] : {std::pair{2, 2}, {13, 2}, {2, 13}, {13, 13}}) c.set(x, y, Brown);
  c.rect(7, 3, 2, 6, Brown);
  c.rect(7, 10, 2, 2, Brown);
  c.rect(9, 4, 1, 5, Orange);
  return c;
}

Cell pillar(int part) {  // 0 top, 1 middle, 2 bottom
  Cell c;
  c.rect(3, 0, 10, kSize, Grey);
  c.rect(3, 0, 2, kSize, White);
  c.rect(7, 0, 1, kSize, DarkGrey);
  c.rect(10, 0, 1, kSize, DarkGrey);
  c.rect(12, 0, 1, kSize, DarkGrey);
  if (part == 0) {
    c.rect(0, 0, kSize, 6, Sky);
    c.bevel(1, 2, 14, 4, Grey, White, DarkGrey);
    c.rect(2, 6, 12, 1, DarkGrey);
  } else if (part == 2) {
    c.bevel(1, 11, 14, 5, Grey, White, DarkGrey);
    c.rect(2, 10, 12, 1, White);
  }
  return c;
}

// --- Platforms -----------------------------------------------------------------------------------

Cell woodPlatform(int part) {  // 0 left end, 1 middle, 2 right end
  Cell c;
  c.rect(0, 0, kSize, 1, Orange);
  c.rect(0, 1, kSize, 3, Brown);
  c.rect(0, 4, kSize, 1, DarkBrown);
  c.rect(7, 1, 1, 3, DarkBrown);
  c.set(3, 2, DarkGrey);
  c.set(11, 2, DarkGrey);
  if (part == 0) {
    c.rect(0, 0, 1, 5, Sky);
    c.set(1, 0, Sky);
    c.set(1, 4, Sky);
    c.line(2, 5, 6, 9, DarkBrown);
    c.line(3, 5, 7, 9, Brown);
  }
  return part == 2 ? woodPlatform(0).flippedX() : c;
}

Cell girder(int part) {
  Cell c;
  c.rect(0, 0, kSize, 1, Orange);
  c.rect(0, 1, kSize, 1, Red);
  c.rect(0, 6, kSize, 1, Red);
  c.rect(0, 7, kSize, 1, DarkRed);
  for (int x = 0; x < kSize; x += 8) {
    c.line(x, 5, x + 3, 2, Red);
    c.line(x + 4, 2, x + 7, 5, Red);
    c.line(x + 1, 5, x + 4, 2, DarkRed);
  }
  if (part == 0) {
    c.rect(0, 0, 3, 8, Red);
    c.rect(0, 0, 1, 8, Orange);
    c.set(1, 2, DarkGrey);
    c.set(1, 5, DarkGrey);
  }
  return part == 2 ? girder(0).flippedX() : c;
}

Cell stoneLedge(int part) {
  Cell c;
  c.bevel(0, 0, 8, 6, Grey, White, DarkGrey);
  c.bevel(8, 0, 8, 6, Grey, White, DarkGrey);
  c.rect(0, 6, kSize, 1, DarkGrey);
  if (part == 0) {
    c.rect(0, 0, 1, 7, Sky);
    c.set(1, 0, Sky);
    c.set(1, 6, Sky);
    c.rect(1, 1, 1, 5, White);
  }
  return part == 2 ? stoneLedge(0).flippedX() : c;
}

Cell ropeBridge() {
  Cell c;
  c.paint([](int x, int y) { return y == 1 ? ((x % 3) ? int(Brown) : int(Orange)) : -1; });
  for (int x : {1, 9}) c.rect(x, 2, 1, 3, Brown);
  for (int x = 0; x < kSize; x += 4) {
    c.rect(x, 5, 3, 1, Orange);
    c.rect(x, 6, 3, 1, Brown);
    c.rect(x, 7, 3, 1, DarkBrown);
  }
  c.rect(0, 6, kSize, 1, Brown);
  return c;
}

Cell cloudPlatform() {
  Cell c;
  c.rect(0, 3, kSize, 4, White);
  c.disc(4, 3.5, 3.5, White);
  c.disc(11, 3, 4, White);
  c.rect(0, 7, kSize, 1, Ice);
  c.disc(2, 7.5, 1.5, Ice);
  c.disc(9, 7.5, 1.5, Ice);
  return c;
}

Cell grating() {
  Cell c;
  c.rect(0, 0, kSize, 1, White);
  c.rect(0, 1, kSize, 3, Grey);
  c.rect(0, 4, kSize, 1, DarkGrey);
  for (int x = 1; x < kSize; x += 4) c.rect(x, 1, 2, 2, Black);
  return c;
}

// --- Ladders, ropes, vines -----------------------------------------------------------------------

Cell ladder(Cell c, int firstRung) {
  for (int x : {2, 12}) {
    c.rect(x, firstRung - 1, 2, kSize, Brown);
    c.rect(x + 1, firstRung - 1, 1, kSize, DarkBrown);
  }
  for (int y = firstRung; y < kSize; y += 4) {
    c.rect(4, y, 8, 1, Orange);
    c.rect(4, y + 1, 8, 1, DarkBrown);
  }
  return c;
}

Cell ladderTop() {
  Cell c = ladder(Cell(), 5);
  c.set(2, 4, Sky);
  c.set(13, 4, Sky);
  return c;
}

Cell rope() {
  Cell c;
  c.paint([](int x, int y) {
    if (x != 7 && x != 8) return -1;
    return ((x + y) % 3 == 0) ? int(DarkBrown) : ((x + y) % 3 == 1) ? int(Orange) : int(Brown);
  });
  return c;
}

Cell chain() {
  Cell c;
  for (int y = 0; y < kSize; y += 8) {
    c.rect(6, y, 4, 6, DarkGrey);
    c.rect(7, y + 1, 2, 4, Sky);
    c.rect(6, y + 1, 1, 3, Grey);
    c.rect(7, y + 5, 2, 4, Grey);
    c.rect(8, y + 5, 1, 4, White);
  }
  return c;
}

Cell vine(bool end) {
  Cell c;
  const int length = end ? 11 : kSize;
  for (int y = 0; y < length; ++y) {
    const int x = 7 + int(std::lround(1.5 * std::sin(y * 2 * kPi / kSize)));
    c.set(x, y, DarkGreen);
    c.set(x + 1, y, Green);
  }
  c.ellipse(4, 4, 2.5, 1.5, Green);
  c.ellipse(12, 12, 2.5, 1.5, Green);
  c.set(3, 4, DarkGreen);
  c.set(12, 12, DarkGreen);
  if (end) {
    c.rect(0, 11, kSize, 5, Sky);
    c.ellipse(9, 12.5, 2, 2.5, Green);
    c.ellipse(9, 12.5, 1, 1.5, Sky);
  }
  return c;
}

}  // namespace sample_sheet
