#include "sample_sheet/backgrounds.h"

#include <tuple>
#include <utility>

namespace sample_sheet {

Cell CaveWall() {
    Cell c(DarkGrey);
    c.Paint([](int x, int y) {
        const auto n = Noise(x, y, 7) % 17;
        return n < 2 ? int(Black) : n == 2 ? int(Grey) : -1;
    });
    return c;
}

Cell BackWall() {
    Cell c(DarkGrey);
    c.Paint([](int x, int y) {
        const int row = y / 4, xx = (x + (row % 2) * 4) % 8;
        return (y % 4 == 3 || xx == 7) ? int(Black) : -1;
    });
    return c;
}

Cell CloudPart(int offset) {
    Cell c;
    const auto puff = [&](double cx, double cy, double r) { c.Disc(cx - offset, cy, r, White); };
    puff(9, 10, 4.5);
    puff(17, 7, 5.5);
    puff(26, 5.5, 6.5);
    puff(34, 7.5, 5.5);
    puff(40, 10, 4.5);
    c.Rect(9 - offset, 9, 31, 5, White);
    c.Paint([&](int x, int y) { return c.At(x, y) == White && y >= 12 ? int(Ice) : -1; });
    return c;
}

Cell SmallCloud() {
    Cell c;
    c.Disc(5, 10, 3.5, White);
    c.Disc(9, 7.5, 4.5, White);
    c.Disc(12.5, 10.5, 3, White);
    c.Paint([&](int x, int y) { return c.At(x, y) == White && y >= 12 ? int(Ice) : -1; });
    return c;
}

Cell NightSky(bool many) {
    Cell c(Black);
    for (auto [x, y] : {std::pair{3, 4}, {12, 2}, {9, 11}, {14, 13}})
        c.Set(x, y, White);
    c.Set(6, 13, Yellow);
    if (many) {
        for (auto [x, y] : {std::pair{1, 9}, {7, 1}, {11, 7}, {4, 15}})
            c.Set(x, y, Ice);
        c.Art(5, 5, {".w.", "wyw", ".w."});
    }
    return c;
}

Cell Moon() {
    Cell c(Black);
    c.Disc(8, 8, 6, Yellow);
    c.Disc(6.5, 6.5, 2, White);
    c.Disc(11, 6, 5, Black);
    c.Set(2, 14, White);
    c.Set(14, 12, White);
    return c;
}

Cell CaveRocks() {
    Cell c = CaveWall();
    for (auto [x, y, r] : {std::tuple{5.0, 12.0, 3.5}, {12.0, 4.5, 2.5}}) {
        c.Ellipse(x, y, r + 0.8, r, Black);
        c.Ellipse(x - 0.5, y - 0.5, r, r - 0.8, Grey);
        c.Set(int(x) - 2, int(y) - 2, White);
    }
    return c;
}

Cell BackWindow() {
    Cell c = BackWall();
    c.Rect(3, 2, 10, 11, DarkBrown);
    c.Rect(4, 3, 8, 9, Blue);
    c.Line(5, 10, 9, 4, Sky);
    c.Rect(7, 3, 2, 9, Brown);
    c.Rect(4, 7, 8, 1, Brown);
    c.Rect(2, 13, 12, 2, Brown);
    return c;
}

Cell CaveCrystals() {
    Cell c = CaveWall();
    c.Art(2, 6,
          {
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
