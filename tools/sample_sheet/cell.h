// One 16 x 16 cell of the sample sheet and the drawing operations its tiles are made with.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <numbers>
#include <string_view>

#include "sample_sheet/tint.h"

namespace sample_sheet {

constexpr int kSize = 16;
constexpr double kPi = std::numbers::pi;

// A repeatable pseudo-random number per pixel, for textures.
std::uint32_t noise(int x, int y, int seed);

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

  void line(int x0, int y0, int x1, int y1, Colour c);

  // Fills the pixels whose centres lie inside the ellipse; centres may fall between pixels.
  void ellipse(double cx, double cy, double rx, double ry, Colour c);
  void disc(double cx, double cy, double r, Colour c) { ellipse(cx, cy, r, r, c); }

  // Bevelled block: light top and left edges, shaded bottom and right edges.
  void bevel(int x, int y, int w, int h, Colour face, Colour light, Colour shade);

  // In the pixel-art rows, '.' leaves the pixel unchanged and '1', '2', '3' stand for the
  // light, middle and dark colour of a Tint; every other letter is a colour of kLetters.
  void art(int x, int y, std::initializer_list<std::string_view> rows, Tint tint = kRedTint);

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

}  // namespace sample_sheet
