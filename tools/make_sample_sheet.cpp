// Draws the project's sample tile sheet: a 16-colour bitmap, 208 pixels (13 cells) wide, of
// 16 x 16 platform-game tiles, for trying the editor without any artwork of one's own.
//
// Regenerate it from the repository root after changing this file:
//   cmake --build build --target make_sample_sheet
//   build/tools/make_sample_sheet samples/tiles.bmp
//   build/tools/make_sample_sheet samples/tiles-header124.bmp header124
//   build/tools/make_sample_sheet samples/tiles-8bit.bmp 8bit
//   build/tools/make_sample_sheet samples/tiles.png png
// `make_sample_sheet --list` prints what every cell holds instead of writing the sheet.
#include <png.h>

#include "sheet_palette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <numbers>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <tuple>
#include <vector>

namespace {

using namespace sheet_palette;

// In the pixel-art rows below, '.' leaves the pixel unchanged and '1', '2', '3' stand for the
// light, middle and dark colour of a Tint; every other letter is a colour of kLetters.

struct Tint {
  Colour light, mid, dark;
};

constexpr Tint kRedTint{Orange, Red, DarkRed};
constexpr Tint kYellowTint{White, Yellow, Orange};
constexpr Tint kGreenTint{Yellow, Green, DarkGreen};
constexpr Tint kBlueTint{Ice, Blue, Black};
constexpr Tint kPurpleTint{Ice, Purple, Blue};
constexpr Tint kDiamondTint{White, Ice, Grey};
constexpr std::array<Tint, 4> kKeyTints{kRedTint, kYellowTint, kGreenTint, kBlueTint};
constexpr std::array<const char*, 4> kKeyColourNames{"red", "yellow", "green", "blue"};

constexpr int kSize = 16;
constexpr int kColumns = 13;
constexpr int kMinimumRows = 20;
constexpr double kPi = std::numbers::pi;

// A repeatable pseudo-random number per pixel, for textures.
std::uint32_t noise(int x, int y, int seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                    static_cast<std::uint32_t>(y) * 668265263u +
                    static_cast<std::uint32_t>(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return h ^ (h >> 16);
}

// One 16 x 16 cell of palette indices, with the few drawing operations the tiles need.
// Drawing outside the cell is clipped.
class Cell {
 public:
  explicit Cell(Colour background = Sky) { pixels_.fill(background); }

  Colour at(int x, int y) const { return inside(x, y) ? Colour(pixels_[index(x, y)]) : Sky; }
  void set(int x, int y, Colour c) {
    if (inside(x, y)) pixels_[index(x, y)] = c;
  }

  void rect(int x, int y, int w, int h, Colour c) {
    for (int yy = y; yy < y + h; ++yy)
      for (int xx = x; xx < x + w; ++xx) set(xx, yy, c);
  }

  void line(int x0, int y0, int x1, int y1, Colour c) {
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    for (int err = dx + dy;;) {
      set(x0, y0, c);
      if (x0 == x1 && y0 == y1) return;
      const int e2 = 2 * err;
      if (e2 >= dy) err += dy, x0 += sx;
      if (e2 <= dx) err += dx, y0 += sy;
    }
  }

  // Fills the pixels whose centres lie inside the ellipse; centres may fall between pixels.
  void ellipse(double cx, double cy, double rx, double ry, Colour c) {
    paint([&](int x, int y) {
      const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      return dx * dx + dy * dy <= 1.0 ? int(c) : -1;
    });
  }
  void disc(double cx, double cy, double r, Colour c) { ellipse(cx, cy, r, r, c); }

  // Bevelled block: light top and left edges, shaded bottom and right edges.
  void bevel(int x, int y, int w, int h, Colour face, Colour light, Colour shade) {
    rect(x, y, w, h, face);
    rect(x, y, w, 1, light);
    rect(x, y, 1, h, light);
    rect(x, y + h - 1, w, 1, shade);
    rect(x + w - 1, y, 1, h, shade);
  }

  void art(int x, int y, std::initializer_list<std::string_view> rows, Tint tint = kRedTint) {
    for (std::string_view row : rows) {
      for (std::size_t i = 0; i < row.size(); ++i) {
        const char ch = row[i];
        const int px = x + static_cast<int>(i);
        if (ch == '.') continue;
        if (ch == '1') set(px, y, tint.light);
        else if (ch == '2') set(px, y, tint.mid);
        else if (ch == '3') set(px, y, tint.dark);
        else if (const auto k = kLetters.find(ch); k != std::string_view::npos) set(px, y, Colour(k));
        else throw std::logic_error(std::string("unknown colour letter '") + ch + "'");
      }
      ++y;
    }
  }

  // Calls colourAt(x, y) for every pixel; a result of -1 keeps the pixel.
  template <typename F>
  void paint(F colourAt) {
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x)
        if (const int c = colourAt(x, y); c >= 0) pixels_[index(x, y)] = std::uint8_t(c);
  }

  Cell flippedX() const { return remapped([](int x, int y) { return index(kSize - 1 - x, y); }); }
  Cell flippedY() const { return remapped([](int x, int y) { return index(x, kSize - 1 - y); }); }
  Cell transposed() const { return remapped([](int x, int y) { return index(y, x); }); }

  const std::array<std::uint8_t, kSize * kSize>& pixels() const { return pixels_; }
  bool operator==(const Cell&) const = default;

 private:
  static bool inside(int x, int y) { return x >= 0 && x < kSize && y >= 0 && y < kSize; }
  static std::size_t index(int x, int y) { return static_cast<std::size_t>(y * kSize + x); }

  template <typename F>
  Cell remapped(F source) const {
    Cell out;
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x) out.pixels_[index(x, y)] = pixels_[source(x, y)];
    return out;
  }

  std::array<std::uint8_t, kSize * kSize> pixels_{};
};

// --- Tiny 3 x 5 font for signs and score digits -------------------------------------------------

struct Glyph {
  char ch;
  int width;
  std::array<std::uint8_t, 5> rows;  // bit 2 is the left column
};

constexpr std::array<Glyph, 14> kGlyphs{{
    {'0', 3, {7, 5, 5, 5, 7}}, {'1', 3, {2, 6, 2, 2, 7}}, {'2', 3, {7, 1, 7, 4, 7}},
    {'3', 3, {7, 1, 3, 1, 7}}, {'4', 3, {5, 5, 7, 1, 1}}, {'5', 3, {7, 4, 7, 1, 7}},
    {'6', 3, {7, 4, 7, 5, 7}}, {'7', 3, {7, 1, 1, 2, 2}}, {'8', 3, {7, 5, 7, 5, 7}},
    {'9', 3, {7, 5, 7, 1, 7}}, {'E', 3, {7, 4, 6, 4, 7}}, {'X', 3, {5, 5, 2, 5, 5}},
    {'I', 1, {1, 1, 1, 1, 1}}, {'T', 3, {7, 2, 2, 2, 2}},
}};

const Glyph& glyph(char ch) {
  for (const Glyph& g : kGlyphs)
    if (g.ch == ch) return g;
  throw std::logic_error(std::string("no glyph for '") + ch + "'");
}

void text(Cell& c, int x, int y, std::string_view s, Colour colour, int scale = 1) {
  for (char ch : s) {
    const Glyph& g = glyph(ch);
    for (int row = 0; row < 5; ++row)
      for (int col = 0; col < g.width; ++col)
        if (g.rows[std::size_t(row)] & (1 << (g.width - 1 - col)))
          c.rect(x + col * scale, y + row * scale, scale, scale, colour);
    x += (g.width + 1) * scale;
  }
}

// --- Backgrounds ---------------------------------------------------------------------------------

Cell caveWall() {
  Cell c(DarkGrey);
  c.paint([](int x, int y) {
    const auto n = noise(x, y, 7) % 17;
    return n < 2 ? int(Black) : n == 2 ? int(Grey) : -1;
  });
  return c;
}

Cell backWall() {
  Cell c(DarkGrey);
  c.paint([](int x, int y) {
    const int row = y / 4, xx = (x + (row % 2) * 4) % 8;
    return (y % 4 == 3 || xx == 7) ? int(Black) : -1;
  });
  return c;
}

// A three-cell cloud drawn in a 48-pixel strip; `offset` picks the cell.
Cell cloudPart(int offset) {
  Cell c;
  const auto puff = [&](double cx, double cy, double r) { c.disc(cx - offset, cy, r, White); };
  puff(9, 10, 4.5);
  puff(17, 7, 5.5);
  puff(26, 5.5, 6.5);
  puff(34, 7.5, 5.5);
  puff(40, 10, 4.5);
  c.rect(9 - offset, 9, 31, 5, White);
  c.paint([&](int x, int y) { return c.at(x, y) == White && y >= 12 ? int(Ice) : -1; });
  return c;
}

Cell smallCloud() {
  Cell c;
  c.disc(5, 10, 3.5, White);
  c.disc(9, 7.5, 4.5, White);
  c.disc(12.5, 10.5, 3, White);
  c.paint([&](int x, int y) { return c.at(x, y) == White && y >= 12 ? int(Ice) : -1; });
  return c;
}

Cell nightSky(bool many) {
  Cell c(Black);
  for (auto [x, y] : {std::pair{3, 4}, {12, 2}, {9, 11}, {14, 13}}) c.set(x, y, White);
  c.set(6, 13, Yellow);
  if (many) {
    for (auto [x, y] : {std::pair{1, 9}, {7, 1}, {11, 7}, {4, 15}}) c.set(x, y, Ice);
    c.art(5, 5, {".w.", "wyw", ".w."});
  }
  return c;
}

Cell moon() {
  Cell c(Black);
  c.disc(8, 8, 6, Yellow);
  c.disc(6.5, 6.5, 2, White);
  c.disc(11, 6, 5, Black);
  c.set(2, 14, White);
  c.set(14, 12, White);
  return c;
}

Cell caveRocks() {
  Cell c = caveWall();
  for (auto [x, y, r] : {std::tuple{5.0, 12.0, 3.5}, {12.0, 4.5, 2.5}}) {
    c.ellipse(x, y, r + 0.8, r, Black);
    c.ellipse(x - 0.5, y - 0.5, r, r - 0.8, Grey);
    c.set(int(x) - 2, int(y) - 2, White);
  }
  return c;
}

Cell backWindow() {
  Cell c = backWall();
  c.rect(3, 2, 10, 11, DarkBrown);
  c.rect(4, 3, 8, 9, Blue);
  c.line(5, 10, 9, 4, Sky);
  c.rect(7, 3, 2, 9, Brown);
  c.rect(4, 7, 8, 1, Brown);
  c.rect(2, 13, 12, 2, Brown);
  return c;
}

Cell caveCrystals() {
  Cell c = caveWall();
  c.art(2, 6, {
      "......p.....",
      ".....pw.....",
      "..p..pw..p..",
      ".pw..pu.pw..",
      ".pwu.pu.pwu.",
      ".pwu.pu.pwu.",
      ".pwupwu.pwu.",
      "KKKKKKKKKKKK",
  });
  return c;
}

// --- Ground sets and slopes ----------------------------------------------------------------------

struct Ground {
  const char* name;
  Colour top, topShade, body, speckle, fleck, edge;
  int seed;
};

constexpr Ground kGrass{"grass", Green, DarkGreen, Brown, DarkBrown, Orange, DarkBrown, 11};
constexpr Ground kSnow{"snow", White, Ice, Grey, DarkGrey, White, DarkGrey, 23};
constexpr Ground kSand{"sand", Yellow, Orange, Orange, Brown, Red, Brown, 37};

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

Cell groundTile(const Ground& g, bool top, bool left, bool right, bool bottom, int variant = 0) {
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

// Ground below a straight line from level `left` on the left edge to level `right` on the right
// edge; level 0 is the top of the cell, level 4 the bottom, one level a quarter of a cell.
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

// --- Hazards -------------------------------------------------------------------------------------

Cell spikesUp() {
  Cell c;
  c.paint([](int x, int y) {
    const double centre = 8.0 * (x / 8) + 4.0, dx = x + 0.5 - centre;
    const double halfWidth = (y - 3.0) / 3.0;
    if (y < 3 || std::abs(dx) > halfWidth + 0.5) return -1;
    if (dx > halfWidth - 0.5) return int(DarkGrey);
    return dx < 0 ? int(White) : int(Grey);
  });
  c.rect(0, 14, kSize, 2, DarkGrey);
  c.rect(0, 14, kSize, 1, Grey);
  return c;
}

Cell lavaFill() {
  Cell c(Orange);
  c.paint([](int x, int y) {
    const double v = std::sin((x + 2 * std::sin(y * kPi / 8)) * kPi / 8) + std::sin(y * kPi / 4);
    return v > 1.1 ? int(Red) : v < -1.4 ? int(Yellow) : -1;
  });
  return c;
}

Cell waterFill() {
  Cell c(Blue);
  c.paint([](int x, int y) {
    const int phase = (x + 6 * (y / 4)) % 16;
    return (y % 4 == 1 && phase < 4) ? int(Sky) : -1;
  });
  return c;
}

// --- Doors, keys, locks --------------------------------------------------------------------------

Cell door(Tint t) {
  Cell c(DarkGrey);
  c.rect(0, 0, kSize, 1, Grey);
  c.rect(2, 2, 12, 14, t.dark);
  c.rect(3, 3, 10, 13, t.mid);
  c.rect(3, 3, 1, 13, t.light);
  c.rect(6, 3, 1, 13, t.dark);
  c.rect(9, 3, 1, 13, t.dark);
  c.rect(2, 5, 12, 1, Grey);
  c.rect(2, 12, 12, 1, Grey);
  c.set(2, 2, DarkGrey);
  c.set(13, 2, DarkGrey);
  c.rect(10, 8, 2, 2, Yellow);
  c.set(11, 9, Black);
  return c;
}

Cell key(Tint t) {
  Cell c;
  c.disc(4.5, 8, 4, t.dark);
  c.disc(4.5, 8, 3, t.mid);
  c.set(3, 6, t.light);
  c.set(2, 7, t.light);
  c.disc(4.5, 8, 1.2, Sky);
  c.rect(8, 7, 7, 3, t.dark);
  c.rect(8, 7, 6, 1, t.light);
  c.rect(8, 8, 6, 1, t.mid);
  c.rect(11, 10, 1, 2, t.dark);
  c.rect(13, 10, 2, 3, t.dark);
  return c;
}

Cell lockBlock(Tint t) {
  Cell c;
  c.bevel(0, 0, kSize, kSize, t.mid, t.light, t.dark);
  c.rect(2, 2, 12, 12, t.dark);
  c.rect(3, 3, 10, 10, t.mid);
  c.disc(8, 7, 2, Black);
  c.rect(7, 8, 2, 4, Black);
  return c;
}

// --- Items ---------------------------------------------------------------------------------------

// A cut gem: a flat top, widest at row 6, tapering to a point at the bottom.
Cell gem(Tint t) {
  Cell c;
  c.paint([&](int x, int y) {
    const double dx = x + 0.5 - 8;
    const double halfWidth = y < 3 ? -1 : y < 7 ? 3.5 + (y - 3) : 7.0 * (15.0 - y) / 8.5;
    if (std::abs(dx) > halfWidth) return -1;
    if (std::abs(dx) > halfWidth - 1 && (dx > 0 || y >= 7)) return int(t.dark);
    if (y < 6) return dx < -1.5 ? int(t.light) : dx < 1.5 ? int(White) : int(t.mid);
    if (y == 6) return int(t.light);
    const double facet = dx / halfWidth;
    return facet < -0.45 ? int(t.light) : facet < 0.2 ? int(t.mid) : int(t.dark);
  });
  c.rect(4, 4, 1, 1, White);
  return c;
}

Cell cherries() {
  Cell c;
  c.line(5, 10, 8, 3, DarkGreen);
  c.line(11, 10, 8, 3, DarkGreen);
  c.ellipse(10, 3, 2.5, 1.2, Green);
  for (double cx : {4.5, 11.5}) {
    c.disc(cx, 11.5, 3, DarkRed);
    c.disc(cx - 0.5, 11, 2.4, Red);
    c.set(int(cx) - 2, 10, White);
  }
  return c;
}

Cell apple() {
  Cell c;
  c.disc(8, 10, 5.5, DarkRed);
  c.disc(7.5, 9.5, 4.8, Red);
  c.rect(7, 4, 2, 1, DarkRed);
  c.line(8, 1, 8, 4, DarkBrown);
  c.ellipse(11, 3, 2.5, 1.2, Green);
  c.rect(5, 7, 1, 2, White);
  return c;
}

Cell iceCream() {
  Cell c;
  c.paint([](int x, int y) {
    const double halfWidth = (16.0 - y) / 2.2;
    if (y < 8 || std::abs(x + 0.5 - 8) > halfWidth) return -1;
    return ((x + y) % 3 == 0 || (x - y + 30) % 3 == 0) ? int(Brown) : int(Orange);
  });
  c.disc(8, 7, 4.2, White);
  c.disc(8, 3.5, 3, DarkBrown);
  c.rect(4, 9, 8, 1, Ice);
  c.set(7, 0, Red);
  c.set(6, 2, Brown);
  return c;
}

Cell crown() {
  Cell c;
  c.art(1, 3, {
      ".y....y....y..",
      "yoy..yoy..yoy.",
      "yyy..yyy..yyy.",
      "yyyy.yyy.yyyy.",
      "yyyyyyyyyyyyyo",
      "yyyyyyyyyyyyyo",
      "yywyyyryyyuyyo",
      "yyyyyyyyyyyyyo",
      "oooooooooooooo",
  });
  c.rect(1, 12, 14, 1, Orange);
  return c;
}

Cell battery() {
  Cell c;
  c.rect(6, 1, 4, 2, Grey);
  c.rect(4, 3, 8, 12, Black);
  c.rect(5, 4, 6, 5, Yellow);
  c.rect(5, 9, 6, 5, DarkGrey);
  c.rect(5, 4, 1, 5, White);
  c.rect(7, 5, 1, 3, Black);
  c.rect(6, 6, 3, 1, Black);
  c.rect(6, 11, 4, 1, Grey);
  return c;
}

Cell raygun() {
  Cell c;
  c.line(1, 4, 3, 7, Red);
  c.line(1, 10, 3, 7, Red);
  c.ellipse(6, 7, 4, 3, DarkGrey);
  c.ellipse(6, 6.5, 3.2, 2.2, Grey);
  c.rect(4, 5, 3, 1, White);
  c.rect(9, 6, 4, 2, Grey);
  c.rect(9, 6, 4, 1, White);
  c.rect(10, 5, 1, 4, Purple);
  c.rect(12, 5, 1, 4, Purple);
  c.rect(13, 6, 2, 2, Yellow);
  c.set(15, 6, Orange);
  c.line(5, 10, 4, 14, Red);
  c.line(6, 10, 5, 14, Red);
  c.line(7, 10, 6, 14, DarkRed);
  return c;
}

Cell pogoStick() {
  Cell c;
  c.rect(7, 1, 2, 14, Grey);
  c.rect(8, 1, 1, 14, DarkGrey);
  c.rect(3, 1, 10, 2, Black);
  c.rect(3, 1, 2, 2, Red);
  c.rect(11, 1, 2, 2, Red);
  c.rect(6, 4, 4, 5, Red);
  c.rect(6, 4, 1, 5, Orange);
  c.rect(4, 9, 8, 1, DarkGrey);
  for (int y = 10; y < 14; ++y) c.rect(6, y, 4, 1, y % 2 ? White : Grey);
  c.rect(7, 14, 2, 2, Black);
  return c;
}

Cell whiskey() {
  Cell c;
  c.rect(7, 0, 2, 2, Brown);
  c.rect(7, 2, 2, 3, DarkBrown);
  c.rect(5, 5, 6, 1, DarkBrown);
  c.rect(4, 6, 8, 10, DarkBrown);
  c.rect(5, 7, 6, 8, Orange);
  c.rect(5, 9, 6, 4, White);
  c.art(5, 10, {"RR.R.R", ".R.R.."});
  c.rect(5, 7, 1, 2, Yellow);
  c.rect(5, 13, 1, 2, Yellow);
  return c;
}

Cell joystick() {
  Cell c;
  c.rect(2, 11, 12, 4, Black);
  c.rect(3, 11, 10, 2, DarkGrey);
  c.rect(3, 11, 10, 1, Grey);
  c.line(8, 10, 9, 5, Grey);
  c.line(7, 10, 8, 5, DarkGrey);
  c.disc(9, 4, 2.6, DarkRed);
  c.disc(8.7, 3.7, 2, Red);
  c.set(8, 3, White);
  c.rect(4, 10, 2, 1, Red);
  return c;
}

Cell ankh() {
  Cell c;
  c.ellipse(8, 5, 3.5, 4.5, Yellow);
  c.ellipse(8, 5, 1.5, 2.6, Sky);
  c.rect(3, 9, 10, 2, Yellow);
  c.rect(7, 9, 2, 6, Yellow);
  c.rect(3, 11, 10, 1, Orange);
  c.rect(9, 12, 1, 3, Orange);
  c.set(10, 6, Orange);
  c.set(11, 5, Orange);
  return c;
}

Cell bullet() {
  Cell c;
  c.art(5, 1, {
      "..oo..",
      ".yoob.",
      ".yoob.",
      ".yoob.",
      ".oobB.",
      ".KKKK.",
      ".wyyo.",
      ".wyyo.",
      ".wyyo.",
      ".yyyo.",
      ".yyyo.",
      ".yyyo.",
      "oooooo",
      "BBBBBB",
  });
  return c;
}

Cell vacuum() {
  Cell c;
  c.line(12, 1, 9, 10, Grey);
  c.line(13, 1, 10, 10, DarkGrey);
  c.rect(11, 0, 4, 2, Black);
  c.ellipse(9, 8.5, 2.5, 3.5, Purple);
  c.rect(2, 11, 11, 3, Red);
  c.rect(2, 11, 11, 1, Orange);
  c.rect(0, 13, 3, 1, DarkGrey);
  c.disc(4, 14, 1.5, Black);
  c.disc(11, 14, 1.5, Black);
  return c;
}

Cell heart() {
  Cell c;
  c.disc(5.5, 6, 3.2, Red);
  c.disc(10.5, 6, 3.2, Red);
  c.paint([](int x, int y) {
    return (y >= 6 && std::abs(x + 0.5 - 8) <= (14.0 - y) * 0.78) ? int(Red) : -1;
  });
  c.paint([&](int x, int y) {
    return c.at(x, y) == Red && (c.at(x + 1, y) == Sky || c.at(x, y + 1) == Sky) ? int(DarkRed) : -1;
  });
  c.rect(4, 5, 2, 1, White);
  c.set(4, 6, White);
  return c;
}

Cell potion() {
  Cell c;
  c.rect(7, 1, 2, 2, Brown);
  c.rect(6, 3, 4, 1, Grey);
  c.rect(7, 4, 2, 3, Ice);
  c.disc(8, 10.5, 4.6, Grey);
  c.disc(8, 10.5, 3.8, Ice);
  c.paint([&](int x, int y) { return y >= 9 && c.at(x, y) == Ice ? int(Purple) : -1; });
  c.rect(5, 9, 6, 1, White);
  c.set(6, 11, White);
  return c;
}

Cell mushroom() {
  Cell c;
  c.ellipse(8, 8, 7, 6, Red);
  c.rect(0, 8, kSize, 8, Sky);
  c.rect(1, 8, 14, 1, DarkRed);
  c.rect(5, 9, 6, 6, White);
  c.rect(10, 9, 1, 6, Ice);
  c.disc(5, 5, 1.5, White);
  c.disc(10.5, 4, 1.8, White);
  c.set(12, 7, White);
  return c;
}

Cell star() {
  Cell c;
  c.paint([](int x, int y) {
    const double dx = x + 0.5 - 8, dy = y + 0.5 - 8.5;
    const double angle = std::atan2(dx, -dy);
    const double sector = std::fmod(angle + 2 * kPi + kPi / 5, 2 * kPi / 5) - kPi / 5;
    const double radius = 3.0 + 4.2 * (1 - std::abs(sector) / (kPi / 5));
    const double r = std::hypot(dx, dy);
    if (r > radius) return -1;
    return r > radius - 1.1 ? int(Orange) : int(Yellow);
  });
  c.set(7, 6, White);
  return c;
}

// --- Switches and signs --------------------------------------------------------------------------

Cell leverSwitch(bool on) {
  Cell c;
  const int tipX = on ? 12 : 4;
  c.line(7, 12, tipX - (on ? 1 : 0), 5, DarkGrey);
  c.line(8, 12, tipX + (on ? 0 : 1), 5, Grey);
  c.disc(tipX + 0.5, 4.5, 2, on ? Green : Red);
  c.set(tipX, 4, White);
  c.bevel(2, 12, 12, 4, Grey, White, DarkGrey);
  c.rect(6, 12, 4, 1, Black);
  c.rect(on ? 11 : 3, 14, 2, 1, on ? Green : Red);
  return c;
}

Cell lightSwitch(bool on) {
  Cell c = backWall();
  c.bevel(4, 2, 8, 12, White, White, Grey);
  c.rect(6, 4, 4, 8, Grey);
  c.rect(7, on ? 4 : 8, 2, 4, DarkGrey);
  c.rect(7, on ? 4 : 10, 2, 1, Black);
  c.set(11, 3, on ? Yellow : DarkGrey);
  return c;
}

// A pad between two posts with glowing orbs; the animated frames add a rising beam.
Cell teleporterPad() {
  Cell c;
  for (int x : {1, 13}) {
    c.rect(x, 4, 2, 9, Grey);
    c.rect(x + 1, 4, 1, 9, DarkGrey);
    c.disc(x + 1, 3, 2, Purple);
    c.set(x, 2, White);
  }
  c.bevel(0, 13, kSize, 3, Grey, White, DarkGrey);
  c.rect(3, 12, 10, 1, Purple);
  c.rect(5, 12, 6, 1, Ice);
  return c;
}

Cell teleporter(int frame) {
  Cell c = teleporterPad();
  for (int y = 2; y < 12; ++y)
    for (int x = 4; x < 12; ++x)
      if ((x + y + frame) % 4 == 0 && (x == 5 || x == 7 || x == 8 || x == 10)) c.set(x, y, Purple);
  for (int k = 0; k < 2; ++k) {
    const int y = 11 - 2 * frame - 5 * k;
    c.rect(4, y, 8, 1, Ice);
    c.rect(6, y, 4, 1, White);
  }
  return c;
}

Cell exitSign() {
  Cell c;
  c.rect(3, 11, 2, 5, Brown);
  c.rect(11, 11, 2, 5, Brown);
  c.rect(0, 3, kSize, 9, DarkGreen);
  c.rect(1, 4, 14, 7, Green);
  text(c, 2, 5, "EXIT", White);
  return c;
}

Cell messageSign() {
  Cell c;
  c.rect(7, 10, 2, 6, Brown);
  c.rect(8, 10, 1, 6, DarkBrown);
  c.bevel(1, 2, 14, 9, Brown, Orange, DarkBrown);
  c.rect(3, 4, 8, 1, DarkBrown);
  c.rect(3, 6, 10, 1, DarkBrown);
  c.rect(3, 8, 6, 1, DarkBrown);
  return c;
}

Cell arrowSign() {
  Cell c;
  c.rect(7, 10, 2, 6, Brown);
  c.rect(8, 10, 1, 6, DarkBrown);
  c.bevel(1, 2, 14, 9, Brown, Orange, DarkBrown);
  c.art(3, 3, {
      ".....w....",
      ".....ww...",
      "wwwwwwww..",
      "wwwwwwwww.",
      "wwwwwwww..",
      ".....ww...",
      ".....w....",
  });
  return c;
}

// --- Animation sequences -------------------------------------------------------------------------

Cell coin(int frame) {
  Cell c;
  const std::array<double, 4> halfWidth{6, 3.5, 1.2, 3.5};
  const double rx = halfWidth[std::size_t(frame)];
  c.ellipse(8, 8, rx, 6.5, Orange);
  if (frame == 2) {
    c.rect(7, 2, 2, 12, Orange);
    c.rect(7, 3, 1, 10, Yellow);
    return c;
  }
  c.ellipse(8, 8, rx - 1, 5.5, Yellow);
  if (frame == 0) {
    c.rect(8, 5, 1, 6, Orange);
    c.rect(4, 5, 1, 3, White);
  } else {
    c.rect(frame == 1 ? 6 : 9, 5, 1, 5, White);
  }
  return c;
}

Cell torch(int frame) {
  Cell c = backWall();
  c.rect(7, 9, 2, 6, Brown);
  c.rect(8, 9, 1, 6, DarkBrown);
  c.rect(5, 8, 6, 2, Grey);
  c.rect(5, 9, 6, 1, DarkGrey);
  const std::array<double, 4> height{6, 7.5, 5.5, 7};
  const std::array<double, 4> lean{0, -1.5, 0.5, 1.5};
  const double h = height[std::size_t(frame)], l = lean[std::size_t(frame)];
  c.paint([&](int x, int y) {
    const double t = (8.0 - (y + 0.5)) / h;  // 0 at the cup, 1 at the tip
    if (t < -0.35 || t > 1) return -1;
    const double centre = 8 + l * std::max(t, 0.0) * std::max(t, 0.0);
    const double width = 3.2 * std::sqrt(1 - std::abs(t));
    const double d = std::abs(x + 0.5 - centre);
    if (d > width) return -1;
    return d < width * 0.35 && t < 0.6 ? int(Yellow) : d < width * 0.7 ? int(Orange) : int(Red);
  });
  return c;
}

Cell sparkleGem(int frame) {
  Cell c = gem(kGreenTint);
  const std::array<std::pair<int, int>, 4> spot{{{4, 5}, {11, 8}, {7, 11}, {10, 4}}};
  const auto [x, y] = spot[std::size_t(frame)];
  c.rect(x - 1, y, 3, 1, White);
  c.rect(x, y - 1, 1, 3, White);
  if (frame % 2 == 0) {
    c.set(x - 2, y, Yellow);
    c.set(x + 2, y, Yellow);
    c.set(x, y - 2, Yellow);
    c.set(x, y + 2, Yellow);
  }
  return c;
}

Cell conveyor(int frame) {
  Cell c;
  c.rect(0, 3, kSize, 10, Black);
  c.rect(0, 4, kSize, 8, DarkGrey);
  c.paint([&](int x, int y) {
    if (y == 4) return ((x + 2 * frame) % 8 < 4) ? int(Yellow) : int(DarkGrey);
    if (y == 11) return ((x - 2 * frame + 16) % 8 < 4) ? int(Grey) : int(DarkGrey);
    return -1;
  });
  for (double cx : {4.0, 12.0}) {
    c.disc(cx, 8, 2.5, Grey);
    const double a = frame * kPi / 4;
    c.set(int(cx + 1.6 * std::cos(a)), int(8 + 1.6 * std::sin(a)), Black);
    c.set(int(cx - 1.6 * std::cos(a)), int(8 - 1.6 * std::sin(a)), Black);
  }
  return c;
}

Cell flag(int frame) {
  Cell c;
  c.rect(3, 1, 1, 15, Grey);
  c.rect(4, 1, 1, 15, DarkGrey);
  c.rect(2, 0, 3, 1, Yellow);
  for (int x = 5; x < 15; ++x) {
    const double wave = std::sin((x - 5) * 0.7 - frame * kPi / 2) * (x - 4) / 6.0;
    const int offset = int(std::lround(wave));
    const bool shaded = std::cos((x - 5) * 0.7 - frame * kPi / 2) < -0.3;
    c.rect(x, 2 + offset, 1, 6, shaded ? DarkRed : Red);
    c.set(x, 2 + offset, shaded ? Red : Orange);
  }
  return c;
}

// Streaks fall four pixels a frame and repeat after sixteen, so the four frames loop.
Cell waterfall(int frame) {
  Cell c(Blue);
  c.paint([&](int x, int y) {
    const auto column = noise(x, 0, 92);
    const auto streak = (unsigned(y - 4 * frame + 64) + column) % kSize;
    if (column % 2 && streak < 3) return int(streak == 2 ? Ice : White);
    if (streak >= 8 && streak < 10) return int(Ice);
    return column % 3 == 0 ? int(Sky) : -1;
  });
  return c;
}

Cell sawBlade(int frame) {
  Cell c;
  c.paint([&](int x, int y) {
    const double dx = x + 0.5 - 8, dy = y + 0.5 - 8;
    const double r = std::hypot(dx, dy);
    const double turn = std::atan2(dy, dx) / (2 * kPi) * 8 + frame / 4.0;
    const double tooth = turn - std::floor(turn);
    const double edge = 5.2 + 2.3 * tooth;
    if (r > edge) return -1;
    if (r < 1.6) return int(Black);
    if (r < 3.2) return int(DarkGrey);
    return r > edge - 1.2 ? int(White) : int(Grey);
  });
  return c;
}

// Surface of a liquid: a wave that moves two pixels per frame and repeats after eight frames.
double waveLine(int x, int frame) {
  const double u = (x + 2 * frame) * 2 * kPi / kSize;
  return 5 + 1.2 * std::sin(u) + 0.6 * std::sin(2 * u + 1);
}

Cell waterSurface(int frame) {
  Cell c = waterFill();
  c.paint([&](int x, int y) {
    const double depth = y + 0.5 - waveLine(x, frame);
    if (depth < 0) return int(Sky);
    if (depth < 1) return int(White);
    if (depth < 2) return int(Ice);
    if (depth < 3) return int(Sky);
    return -1;
  });
  return c;
}

Cell lavaSurface(int frame) {
  Cell c = lavaFill();
  const Cell wall = caveWall();
  c.paint([&](int x, int y) {
    const double depth = y + 0.5 - waveLine(x, frame);
    if (depth < 0) return int(wall.at(x, y));
    if (depth < 1) return int(Yellow);
    if (depth < 2.5) return int(Orange);
    return -1;
  });
  const double bubbleX = 3 + (frame * 5) % 11;
  c.disc(bubbleX, 11 - frame % 4, 1.2 + 0.3 * (frame % 3), Yellow);
  c.set(int(bubbleX), int(11 - frame % 4), Orange);
  return c;
}

// --- Decoration ----------------------------------------------------------------------------------

Cell flower(Colour petal, Colour centre) {
  Cell c;
  c.line(8, 15, 8, 8, DarkGreen);
  c.ellipse(5.5, 12, 2.5, 1, Green);
  c.ellipse(10.5, 11, 2.5, 1, Green);
  for (auto [dx, dy] : {std::pair{0, -3}, {3, 0}, {0, 3}, {-3, 0}}) c.disc(8.5 + dx, 5.5 + dy, 1.9, petal);
  c.disc(8.5, 5.5, 1.6, centre);
  return c;
}

Cell grassTuft() {
  Cell c;
  for (auto [x, top] : {std::pair{3, 10}, {5, 7}, {7, 9}, {9, 6}, {11, 10}, {13, 8}}) {
    c.line(x, 15, x - 1, top, Green);
    c.line(x + 1, 15, x, top + 2, DarkGreen);
  }
  return c;
}

Cell bush() {
  Cell c;
  c.disc(5, 11, 5, DarkGreen);
  c.disc(11.5, 10.5, 5, DarkGreen);
  c.disc(8, 8, 5, DarkGreen);
  c.disc(5, 10.5, 4, Green);
  c.disc(11, 10, 4, Green);
  c.disc(7.5, 7.5, 4, Green);
  c.rect(0, 15, kSize, 1, DarkGreen);
  for (auto [x, y] : {std::pair{5, 6}, {9, 8}, {3, 10}, {12, 9}}) c.set(x, y, Yellow);
  return c;
}

Cell berryBush() {
  Cell c = bush();
  for (auto [x, y] : {std::pair{4, 8}, {8, 11}, {11, 7}, {6, 4}, {13, 12}}) {
    c.rect(x, y, 2, 2, Red);
    c.set(x, y, Orange);
  }
  return c;
}

Cell mushrooms() {
  Cell c;
  for (auto [x, h] : {std::pair{4, 5}, {11, 7}}) {
    c.rect(x - 1, 16 - h, 3, h, White);
    c.ellipse(x + 0.5, 16.5 - h, 3.5, 2.5, Brown);
    c.rect(x - 3, 17 - h, 7, 1, DarkBrown);
    c.set(x, 15 - h, Orange);
  }
  return c;
}

Cell rock() {
  Cell c;
  c.ellipse(8, 13, 7, 6, DarkGrey);
  c.ellipse(7.5, 12.5, 6, 5, Grey);
  c.ellipse(6, 11, 2.5, 2, White);
  c.ellipse(6.5, 11.5, 2, 1.5, Grey);
  c.line(9, 9, 11, 13, DarkGrey);
  return c;
}

Cell treeCrown() {
  Cell c;
  c.disc(8, 8, 7.5, DarkGreen);
  c.disc(7.5, 7.5, 6.3, Green);
  c.rect(7, 13, 2, 3, Brown);
  for (auto [x, y] : {std::pair{5, 4}, {9, 6}, {4, 9}, {11, 10}, {7, 11}}) c.set(x, y, DarkGreen);
  c.rect(5, 3, 2, 1, Yellow);
  return c;
}

Cell treeTrunk(bool base) {
  Cell c;
  c.rect(5, 0, 6, kSize, Brown);
  c.rect(5, 0, 1, kSize, DarkBrown);
  c.rect(10, 0, 1, kSize, DarkBrown);
  for (auto [x, y] : {std::pair{7, 2}, {8, 7}, {7, 12}}) c.rect(x, y, 1, 3, DarkBrown);
  c.set(9, 5, Orange);
  if (base) {
    c.line(4, 13, 1, 15, DarkBrown);
    c.line(5, 12, 2, 15, Brown);
    c.line(11, 12, 14, 15, Brown);
    c.line(11, 13, 15, 15, DarkBrown);
    c.rect(0, 15, 3, 1, DarkGreen);
    c.rect(13, 15, 3, 1, DarkGreen);
  }
  return c;
}

Cell fence() {
  Cell c;
  c.rect(0, 6, kSize, 2, White);
  c.rect(0, 11, kSize, 2, White);
  c.rect(0, 7, kSize, 1, Grey);
  c.rect(0, 12, kSize, 1, Grey);
  for (int x : {3, 11}) {
    c.rect(x, 4, 3, 12, White);
    c.rect(x + 2, 4, 1, 12, Grey);
    c.set(x, 3, Sky);
    c.set(x + 1, 3, White);
    c.set(x, 4, Sky);
  }
  return c;
}

Cell skull() {
  Cell c;
  c.art(3, 5, {
      "...wwwww..",
      "..wwwwwwe.",
      ".wwwwwwwwe",
      ".wkkwwkkwe",
      ".wkkwwkkwe",
      ".wwwwkwwwe",
      "..wwwwwwe.",
      "..wkwkwke.",
      "...eeeee..",
  });
  c.line(0, 15, 4, 13, White);
  c.line(11, 15, 15, 14, White);
  return c;
}

Cell barrel() {
  Cell c;
  c.ellipse(8, 8, 6, 8, DarkBrown);
  c.ellipse(7.5, 8, 5, 8, Brown);
  c.rect(2, 0, 12, 1, DarkBrown);
  c.rect(3, 0, 10, 1, Brown);
  for (int y : {3, 12}) {
    c.rect(2, y, 12, 1, DarkGrey);
    c.rect(2, y + 1, 12, 1, Grey);
  }
  c.rect(5, 1, 1, 14, Orange);
  return c;
}

Cell cobweb() {
  Cell c = backWall();
  for (auto [x, y] : {std::pair{15, 4}, {15, 12}, {12, 15}, {4, 15}}) c.line(0, 0, x, y, Grey);
  for (double r : {5.0, 10.0}) {
    for (int i = 0; i <= 12; ++i) {
      const double a = i * kPi / 24;
      c.set(int(r * std::cos(a)), int(r * std::sin(a)), Ice);
    }
  }
  return c;
}

// Pipe shading across its width, from the edge the light falls on.
int pipeShade(double across) {
  if (across < 3 || across >= 13) return -1;
  if (across < 4 || across >= 12) return Black;
  if (across < 6) return White;
  if (across < 9) return Green;
  return DarkGreen;
}

Cell pipeStraight() {
  Cell c;
  c.paint([](int, int y) { return pipeShade(y); });
  c.rect(7, 3, 1, 10, DarkGreen);
  return c;
}

// Quarter bend joining the right edge and the bottom edge.
Cell pipeBend() {
  Cell c;
  c.paint([](int x, int y) { return pipeShade(kSize - std::hypot(kSize - x - 0.5, kSize - y - 0.5) + 0.5); });
  return c;
}

Cell scoreDigit(int digit) {
  Cell c(Black);
  const char ch = char('0' + digit);
  text(c, 6, 4, std::string_view(&ch, 1), DarkRed, 2);
  text(c, 5, 3, std::string_view(&ch, 1), Yellow, 2);
  return c;
}

// --- The sheet -----------------------------------------------------------------------------------

struct Entry {
  std::string name;
  Cell cell;
};

void addGroundSet(std::vector<Entry>& out, const Ground& g) {
  const std::string n = g.name;
  out.push_back({n + " top left corner", groundTile(g, true, true, false, false)});
  out.push_back({n + " top", groundTile(g, true, false, false, false)});
  out.push_back({n + " top right corner", groundTile(g, true, false, true, false)});
  out.push_back({n + " left edge", groundTile(g, false, true, false, false)});
  out.push_back({n + " fill", groundTile(g, false, false, false, false)});
  out.push_back({n + " right edge", groundTile(g, false, false, true, false)});
  out.push_back({n + " bottom left corner", groundTile(g, false, true, false, true)});
  out.push_back({n + " bottom", groundTile(g, false, false, false, true)});
  out.push_back({n + " bottom right corner", groundTile(g, false, false, true, true)});
  out.push_back({n + " column top", groundTile(g, true, true, true, false)});
  out.push_back({n + " column middle", groundTile(g, false, true, true, false)});
  out.push_back({n + " single block", groundTile(g, true, true, true, true)});
  Cell stones = groundTile(g, false, false, false, false, 1);
  stones.ellipse(4.5, 5, 2.5, 2, DarkGrey);
  stones.ellipse(4, 4.5, 2, 1.5, Grey);
  stones.ellipse(11, 11.5, 3, 2, DarkGrey);
  stones.ellipse(10.5, 11, 2.5, 1.5, Grey);
  out.push_back({n + " fill with stones", stones});
}

// The sixteen slopes the editor can store, as (left level, right level) pairs.
void addSlopes(std::vector<Entry>& out, const Ground& g) {
  constexpr std::array<std::pair<int, int>, 16> kLevels{{
      {4, 0}, {4, 2}, {3, 1}, {2, 0}, {4, 3}, {3, 2}, {2, 1}, {1, 0},
      {0, 4}, {0, 2}, {1, 3}, {2, 4}, {0, 1}, {1, 2}, {2, 3}, {3, 4},
  }};
  for (auto [left, right] : kLevels) {
    const bool rising = left > right;
    const int steepness = std::abs(left - right);
    const int slopeByte = 128 | (rising ? 64 : 0) | (steepness == 4 ? 0 : steepness == 2 ? 16 : 32) |
                          4 * (rising ? left - 1 : left);
    out.push_back({g.name + std::string(" slope ") + (rising ? "rising" : "falling") + " by " +
                       std::to_string(steepness) + ", levels " + std::to_string(left) + "-" +
                       std::to_string(right) + " (slope byte " + std::to_string(slopeByte) + ")",
                   slopeTile(g, left, right)});
  }
}

template <typename F>
void addSequence(std::vector<Entry>& out, const std::string& name, int frames, F draw) {
  for (int f = 0; f < frames; ++f)
    out.push_back({name + " frame " + std::to_string(f + 1) + " of " + std::to_string(frames), draw(f)});
}

std::vector<Entry> buildSheet() {
  std::vector<Entry> s;
  const auto add = [&](std::string name, const Cell& cell) { s.push_back({std::move(name), cell}); };

  add("sky", Cell(Sky));
  add("cloud left", cloudPart(0));
  add("cloud middle", cloudPart(16));
  add("cloud right", cloudPart(32));
  add("small cloud", smallCloud());
  add("night sky", nightSky(false));
  add("night sky with stars", nightSky(true));
  add("moon", moon());
  add("cave wall", caveWall());
  add("cave wall with rocks", caveRocks());
  add("back wall", backWall());
  add("back wall with window", backWindow());
  add("cave wall with crystals", caveCrystals());

  for (const Ground* g : {&kGrass, &kSnow, &kSand}) {
    addGroundSet(s, *g);
    addSlopes(s, *g);
  }

  add("red bricks", bricks(Red, Orange, DarkRed, DarkGrey));
  add("mossy bricks", mossyBricks());
  add("castle stone", castleStone());
  add("stone block", stoneBlock(false));
  add("cracked stone block", stoneBlock(true));
  add("cobblestones", cobbles());
  add("metal plate", metalPlate());
  add("hazard stripes", hazardStripes());
  add("crate", crate());
  add("wooden planks", planks());
  add("ice block", iceBlock());
  add("bonus block", bonusBlock());
  add("pillar top", pillar(0));
  add("pillar middle", pillar(1));
  add("pillar bottom", pillar(2));

  const std::array<const char*, 3> ends{"left end", "middle", "right end"};
  for (int i = 0; i < 3; ++i) add(std::string("wooden platform ") + ends[std::size_t(i)], woodPlatform(i));
  for (int i = 0; i < 3; ++i) add(std::string("girder ") + ends[std::size_t(i)], girder(i));
  for (int i = 0; i < 3; ++i) add(std::string("stone ledge ") + ends[std::size_t(i)], stoneLedge(i));
  add("rope bridge", ropeBridge());
  add("cloud platform", cloudPlatform());
  add("metal grating", grating());

  add("ladder", ladder(Cell(), 1));
  add("ladder top", ladderTop());
  add("ladder on back wall", ladder(backWall(), 1));
  add("rope", rope());
  add("chain", chain());
  add("vine", vine(false));
  add("vine end", vine(true));

  add("spikes up", spikesUp());
  add("spikes down", spikesUp().flippedY());
  add("spikes left", spikesUp().transposed());
  add("spikes right", spikesUp().transposed().flippedX());
  add("lava", lavaFill());
  add("deep water", waterFill());

  for (std::size_t i = 0; i < 4; ++i)
    add("door " + std::to_string(i + 1) + " (" + kKeyColourNames[i] + ")", door(kKeyTints[i]));
  for (std::size_t i = 0; i < 4; ++i)
    add("key " + std::to_string(i + 1) + " (" + kKeyColourNames[i] + ")", key(kKeyTints[i]));
  for (std::size_t i = 0; i < 4; ++i)
    add("lock block " + std::to_string(i + 1) + " (" + kKeyColourNames[i] + ")", lockBlock(kKeyTints[i]));

  add("100 points: cherries", cherries());
  add("200 points: apple", apple());
  add("500 points: ice cream", iceCream());
  add("1000 points: diamond", gem(kDiamondTint));
  add("5000 points: crown", crown());
  add("red gem", gem(kRedTint));
  add("green gem", gem(kGreenTint));
  add("purple gem", gem(kPurpleTint));
  add("yellow gem", gem(kYellowTint));
  add("battery", battery());
  add("raygun", raygun());
  add("pogo stick", pogoStick());
  add("whiskey bottle", whiskey());
  add("joystick", joystick());
  add("ankh", ankh());
  add("single bullet", bullet());
  add("vacuum cleaner", vacuum());
  add("heart", heart());
  add("potion", potion());
  add("mushroom", mushroom());
  add("star", star());

  add("switch on", leverSwitch(true));
  add("switch off", leverSwitch(false));
  add("light switch on", lightSwitch(true));
  add("light switch off", lightSwitch(false));
  add("teleporter", teleporterPad());
  add("exit sign", exitSign());
  add("message sign", messageSign());
  add("arrow sign right", arrowSign());
  add("arrow sign left", arrowSign().flippedX());

  addSequence(s, "spinning coin", 4, coin);
  addSequence(s, "torch", 4, torch);
  addSequence(s, "teleporter", 4, teleporter);
  addSequence(s, "sparkling gem", 4, sparkleGem);
  addSequence(s, "conveyor belt", 4, conveyor);
  addSequence(s, "flag", 4, flag);
  addSequence(s, "waterfall", 4, waterfall);
  addSequence(s, "saw blade", 4, sawBlade);
  addSequence(s, "water surface", 8, waterSurface);
  addSequence(s, "lava surface", 8, lavaSurface);

  add("red flower", flower(Red, Yellow));
  add("yellow flower", flower(Yellow, Brown));
  add("grass tuft", grassTuft());
  add("bush", bush());
  add("berry bush", berryBush());
  add("mushrooms", mushrooms());
  add("rock", rock());
  add("tree crown", treeCrown());
  add("tree trunk", treeTrunk(false));
  add("tree trunk base", treeTrunk(true));
  add("fence", fence());
  add("skull", skull());
  add("barrel", barrel());
  add("cobweb", cobweb());
  add("pipe across", pipeStraight());
  add("pipe down", pipeStraight().transposed());
  add("pipe bend right-down", pipeBend());
  add("pipe bend left-down", pipeBend().flippedX());
  add("pipe bend right-up", pipeBend().flippedY());
  add("pipe bend left-up", pipeBend().flippedX().flippedY());

  for (int d = 0; d < 10; ++d) add("score digit " + std::to_string(d), scoreDigit(d));
  return s;
}

// Every cell must be different, or the sheet would waste cells and confuse whoever assigns them.
bool checkDistinct(const std::vector<Entry>& sheet) {
  bool ok = true;
  for (std::size_t i = 0; i < sheet.size(); ++i)
    for (std::size_t j = i + 1; j < sheet.size(); ++j)
      if (sheet[i].cell == sheet[j].cell) {
        std::cerr << "make_sample_sheet: cells " << i << " (" << sheet[i].name << ") and " << j << " ("
                  << sheet[j].name << ") are identical\n";
        ok = false;
      }
  return ok;
}

void put16(std::vector<std::uint8_t>& out, unsigned value) {
  out.push_back(std::uint8_t(value & 0xFF));
  out.push_back(std::uint8_t((value >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

// The sheet's file layouts: the classic 4-bit file with a 40-byte information header, the
// same with the 124-byte header that paint programs write by default, an 8-bit file that
// uses colours 0 to 15 of a 16-entry palette, and a 4-bit indexed PNG.
enum class Layout { Classic, Header124, EightBit, Png };

// The colour index of pixel (x, y), y counted from the top.
std::uint8_t sheetPixel(const std::vector<Entry>& sheet, std::uint32_t x, std::uint32_t y) {
  return sheet[(y / kSize) * kColumns + x / kSize].cell.pixels()[(y % kSize) * kSize + x % kSize];
}

// A BMP: file header, information header, the palette, then the pixel rows from the bottom
// row up; with 4 bits, two pixels a byte with the left pixel in the high half.
std::vector<std::uint8_t> encodeBitmap(const std::vector<Entry>& sheet, Layout layout) {
  constexpr std::uint32_t kWidth = kColumns * kSize;
  const std::uint32_t bits = layout == Layout::EightBit ? 8 : 4;
  const std::uint32_t stride = kWidth * bits / 8;  // 104 or 208 bytes: already a multiple of 4
  const std::uint32_t headerSize = layout == Layout::Header124 ? 124 : 40;
  const std::uint32_t pixelOffset = 14 + headerSize + 16 * 4;
  const std::uint32_t height = std::uint32_t(sheet.size() / kColumns) * kSize;
  const std::uint32_t imageSize = stride * height;

  std::vector<std::uint8_t> out;
  out.reserve(pixelOffset + imageSize);
  out.push_back('B');
  out.push_back('M');
  put32(out, pixelOffset + imageSize);
  put32(out, 0);
  put32(out, pixelOffset);
  put32(out, headerSize);
  put32(out, kWidth);
  put32(out, height);
  put16(out, 1);
  put16(out, std::uint16_t(bits));
  put32(out, 0);
  put32(out, imageSize);
  put32(out, 2835);  // 72 dots per inch
  put32(out, 2835);
  put32(out, 16);
  put32(out, 16);
  if (layout == Layout::Header124) {
    for (int mask = 0; mask < 4; ++mask) put32(out, 0);  // no channel masks: indexed colours
    put32(out, 0x73524742);                               // colour space "sRGB"
    for (int i = 0; i < 9 + 3; ++i) put32(out, 0);        // end points and gamma: unused
    put32(out, 4);                                        // rendering intent: pictures
    put32(out, 0);                                        // no profile
    put32(out, 0);
    put32(out, 0);
  }
  for (const Rgb& c : kPalette) {
    out.push_back(c.blue);
    out.push_back(c.green);
    out.push_back(c.red);
    out.push_back(0);
  }
  for (std::uint32_t row = height; row-- > 0;) {
    const auto pixel = [&](std::uint32_t px) { return sheetPixel(sheet, px, row); };
    for (std::uint32_t x = 0; x < kWidth; x += 2) {
      if (bits == 8) {
        out.push_back(std::uint8_t(pixel(x)));
        out.push_back(std::uint8_t(pixel(x + 1)));
      } else {
        out.push_back(std::uint8_t(pixel(x) << 4 | pixel(x + 1)));
      }
    }
  }
  return out;
}

void appendPngBytes(png_structp png, png_bytep data, size_t count) {
  auto& out = *static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out.insert(out.end(), data, data + count);
}

// libpng's calls, in a function of plain locals only: an error jumps back to its start.
bool writePng(png_const_colorp palette, png_bytepp rows, std::uint32_t height, std::vector<std::uint8_t>* out) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, out, appendPngBytes, nullptr);
  png_set_IHDR(png, info, kColumns * kSize, height, 4, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_PLTE(png, info, palette, 16);
  png_set_compression_level(png, 9);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

// A 4-bit indexed PNG: the palette, then the rows from the top, two pixels a byte with the
// left pixel in the high half.
std::vector<std::uint8_t> encodePng(const std::vector<Entry>& sheet) {
  constexpr std::uint32_t kWidth = kColumns * kSize;
  const std::uint32_t height = std::uint32_t(sheet.size() / kColumns) * kSize;
  std::array<png_color, 16> palette{};
  for (std::size_t i = 0; i < kPalette.size(); ++i) palette[i] = {kPalette[i].red, kPalette[i].green, kPalette[i].blue};
  std::vector<std::uint8_t> pixels(std::size_t(height) * kWidth / 2);
  std::vector<png_bytep> rows(height);
  for (std::uint32_t y = 0; y < height; ++y) {
    rows[y] = pixels.data() + std::size_t(y) * kWidth / 2;
    for (std::uint32_t x = 0; x < kWidth; x += 2)
      rows[y][x / 2] = std::uint8_t(sheetPixel(sheet, x, y) << 4 | sheetPixel(sheet, x + 1, y));
  }
  std::vector<std::uint8_t> out;
  if (!writePng(palette.data(), rows.data(), height, &out)) throw std::runtime_error("libpng could not write the sheet");
  return out;
}

// Writes next to the target and renames, so a failed run never leaves a damaged sheet behind.
bool writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::filesystem::path temp = path;
  temp += ".tmp";
  {
    std::ofstream file(temp, std::ios::binary | std::ios::trunc);
    if (!file) {
      std::cerr << "make_sample_sheet: cannot write " << path << " (cannot create " << temp << ")\n";
      return false;
    }
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    file.close();
    if (!file) {
      std::cerr << "make_sample_sheet: cannot write " << path << "\n";
      std::error_code ignored;
      std::filesystem::remove(temp, ignored);
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temp, path, error);
  if (error) {
    std::cerr << "make_sample_sheet: cannot replace " << path << ": " << error.message() << "\n";
    std::filesystem::remove(temp, error);
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view usage = "usage: make_sample_sheet [--list | OUTPUT [classic | header124 | 8bit | png]]\n";
  if (argc > 3) {
    std::cerr << usage;
    return 2;
  }
  const std::string_view argument = argc >= 2 ? argv[1] : "samples/tiles.bmp";
  if (argument.empty() || (argument.size() > 1 && argument.substr(0, 2) == "--" && argument != "--list")) {
    std::cerr << usage;
    return 2;
  }
  const std::string_view layoutName = argc == 3 ? argv[2] : "classic";
  Layout layout = Layout::Classic;
  if (layoutName == "header124") {
    layout = Layout::Header124;
  } else if (layoutName == "8bit") {
    layout = Layout::EightBit;
  } else if (layoutName == "png") {
    layout = Layout::Png;
  } else if (layoutName != "classic") {
    std::cerr << usage;
    return 2;
  }
  try {
    const std::vector<Entry> sheet = buildSheet();
    if (sheet.size() % kColumns != 0 || sheet.size() < std::size_t(kColumns * kMinimumRows)) {
      std::cerr << "make_sample_sheet: " << sheet.size() << " cells do not fill whole rows of "
                << kColumns << " and at least " << kMinimumRows << " rows\n";
      return 1;
    }
    if (!checkDistinct(sheet)) return 1;
    if (argument == "--list") {
      for (std::size_t i = 0; i < sheet.size(); ++i) std::cout << i << "\t" << sheet[i].name << "\n";
      return 0;
    }
    const std::vector<std::uint8_t> bytes = layout == Layout::Png ? encodePng(sheet) : encodeBitmap(sheet, layout);
    if (!writeFile(std::filesystem::path(argument), bytes)) return 1;
    std::cout << "wrote " << argument << ": " << sheet.size() << " cells\n";
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "make_sample_sheet: " << e.what() << "\n";
    return 1;
  }
}
