#include "sample_sheet/decoration.h"

#include <cmath>
#include <string_view>
#include <utility>

#include "sample_sheet/backgrounds.h"
#include "sample_sheet/tiny_font.h"

namespace sample_sheet {

namespace {

// Pipe shading across its width, from the edge the light falls on.
int pipeShade(double across) {
  if (across < 3 || across >= 13) return -1;
  if (across < 4 || across >= 12) return Black;
  if (across < 6) return White;
  if (across < 9) return Green;
  return DarkGreen;
}

}  // namespace

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

Cell pipeStraight() {
  Cell c;
  c.paint([](int, int y) { return pipeShade(y); });
  c.rect(7, 3, 1, 10, DarkGreen);
  return c;
}

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

}  // namespace sample_sheet
