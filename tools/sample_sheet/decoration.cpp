#include "sample_sheet/decoration.h"

#include <cmath>
#include <string_view>
#include <utility>

#include "sample_sheet/backgrounds.h"
#include "sample_sheet/tiny_font.h"

namespace sample_sheet {

namespace {

// Pipe shading across its width, from the edge the light falls on.
int PipeShade(double across) {
    if (across < 3 || across >= 13)
        return -1;
    if (across < 4 || across >= 12)
        return Black;
    if (across < 6)
        return White;
    if (across < 9)
        return Green;
    return DarkGreen;
}

}  // namespace

Cell Flower(Colour petal, Colour centre) {
    Cell c;
    c.Line(8, 15, 8, 8, DarkGreen);
    c.Ellipse(5.5, 12, 2.5, 1, Green);
    c.Ellipse(10.5, 11, 2.5, 1, Green);
    for (auto [dx, dy] : {std::pair{0, -3}, {3, 0}, {0, 3}, {-3, 0}})
        c.Disc(8.5 + dx, 5.5 + dy, 1.9, petal);
    c.Disc(8.5, 5.5, 1.6, centre);
    return c;
}

Cell GrassTuft() {
    Cell c;
    for (auto [x, top] : {std::pair{3, 10}, {5, 7}, {7, 9}, {9, 6}, {11, 10}, {13, 8}}) {
        c.Line(x, 15, x - 1, top, Green);
        c.Line(x + 1, 15, x, top + 2, DarkGreen);
    }
    return c;
}

Cell Bush() {
    Cell c;
    c.Disc(5, 11, 5, DarkGreen);
    c.Disc(11.5, 10.5, 5, DarkGreen);
    c.Disc(8, 8, 5, DarkGreen);
    c.Disc(5, 10.5, 4, Green);
    c.Disc(11, 10, 4, Green);
    c.Disc(7.5, 7.5, 4, Green);
    c.Rect(0, 15, kCellSize, 1, DarkGreen);
    for (auto [x, y] : {std::pair{5, 6}, {9, 8}, {3, 10}, {12, 9}})
        c.Set(x, y, Yellow);
    return c;
}

Cell BerryBush() {
    Cell c = Bush();
    for (auto [x, y] : {std::pair{4, 8}, {8, 11}, {11, 7}, {6, 4}, {13, 12}}) {
        c.Rect(x, y, 2, 2, Red);
        c.Set(x, y, Orange);
    }
    return c;
}

Cell Mushrooms() {
    Cell c;
    for (auto [x, h] : {std::pair{4, 5}, {11, 7}}) {
        c.Rect(x - 1, 16 - h, 3, h, White);
        c.Ellipse(x + 0.5, 16.5 - h, 3.5, 2.5, Brown);
        c.Rect(x - 3, 17 - h, 7, 1, DarkBrown);
        c.Set(x, 15 - h, Orange);
    }
    return c;
}

Cell Rock() {
    Cell c;
    c.Ellipse(8, 13, 7, 6, DarkGrey);
    c.Ellipse(7.5, 12.5, 6, 5, Grey);
    c.Ellipse(6, 11, 2.5, 2, White);
    c.Ellipse(6.5, 11.5, 2, 1.5, Grey);
    c.Line(9, 9, 11, 13, DarkGrey);
    return c;
}

Cell TreeCrown() {
    Cell c;
    c.Disc(8, 8, 7.5, DarkGreen);
    c.Disc(7.5, 7.5, 6.3, Green);
    c.Rect(7, 13, 2, 3, Brown);
    for (auto [x, y] : {std::pair{5, 4}, {9, 6}, {4, 9}, {11, 10}, {7, 11}})
        c.Set(x, y, DarkGreen);
    c.Rect(5, 3, 2, 1, Yellow);
    return c;
}

Cell TreeTrunk(bool base) {
    Cell c;
    c.Rect(5, 0, 6, kCellSize, Brown);
    c.Rect(5, 0, 1, kCellSize, DarkBrown);
    c.Rect(10, 0, 1, kCellSize, DarkBrown);
    for (auto [x, y] : {std::pair{7, 2}, {8, 7}, {7, 12}})
        c.Rect(x, y, 1, 3, DarkBrown);
    c.Set(9, 5, Orange);
    if (base) {
        c.Line(4, 13, 1, 15, DarkBrown);
        c.Line(5, 12, 2, 15, Brown);
        c.Line(11, 12, 14, 15, Brown);
        c.Line(11, 13, 15, 15, DarkBrown);
        c.Rect(0, 15, 3, 1, DarkGreen);
        c.Rect(13, 15, 3, 1, DarkGreen);
    }
    return c;
}

Cell Fence() {
    Cell c;
    c.Rect(0, 6, kCellSize, 2, White);
    c.Rect(0, 11, kCellSize, 2, White);
    c.Rect(0, 7, kCellSize, 1, Grey);
    c.Rect(0, 12, kCellSize, 1, Grey);
    for (int x : {3, 11}) {
        c.Rect(x, 4, 3, 12, White);
        c.Rect(x + 2, 4, 1, 12, Grey);
        c.Set(x, 3, Sky);
        c.Set(x + 1, 3, White);
        c.Set(x, 4, Sky);
    }
    return c;
}

Cell Skull() {
    Cell c;
    c.Art(3, 5,
          {
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
    c.Line(0, 15, 4, 13, White);
    c.Line(11, 15, 15, 14, White);
    return c;
}

Cell Barrel() {
    Cell c;
    c.Ellipse(8, 8, 6, 8, DarkBrown);
    c.Ellipse(7.5, 8, 5, 8, Brown);
    c.Rect(2, 0, 12, 1, DarkBrown);
    c.Rect(3, 0, 10, 1, Brown);
    for (int y : {3, 12}) {
        c.Rect(2, y, 12, 1, DarkGrey);
        c.Rect(2, y + 1, 12, 1, Grey);
    }
    c.Rect(5, 1, 1, 14, Orange);
    return c;
}

Cell Cobweb() {
    Cell c = BackWall();
    for (auto [x, y] : {std::pair{15, 4}, {15, 12}, {12, 15}, {4, 15}})
        c.Line(0, 0, x, y, Grey);
    for (double r : {5.0, 10.0}) {
        for (int i = 0; i <= 12; ++i) {
            const double a = i * kPi / 24;
            c.Set(int(r * std::cos(a)), int(r * std::sin(a)), Ice);
        }
    }
    return c;
}

Cell PipeStraight() {
    Cell c;
    c.Paint([](int, int y) { return PipeShade(y); });
    c.Rect(7, 3, 1, 10, DarkGreen);
    return c;
}

Cell PipeBend() {
    Cell c;
    c.Paint(
        [](int x, int y) { return PipeShade(kCellSize - std::hypot(kCellSize - x - 0.5, kCellSize - y - 0.5) + 0.5); });
    return c;
}

Cell ScoreDigit(int digit) {
    Cell c(Black);
    const char ch = char('0' + digit);
    DrawText(c, 6, 4, std::string_view(&ch, 1), DarkRed, 2);
    DrawText(c, 5, 3, std::string_view(&ch, 1), Yellow, 2);
    return c;
}

}  // namespace sample_sheet
