#include "sample_sheet/backgrounds.h"

#include <tuple>
#include <utility>

namespace sample_sheet {

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

}  // namespace sample_sheet
