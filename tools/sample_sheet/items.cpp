#include "sample_sheet/items.h"

#include <cmath>
#include <utility>

#include "sample_sheet/backgrounds.h"
#include "sample_sheet/tiny_font.h"

namespace sample_sheet {

// --- Hazards -------------------------------------------------------------------------------------

Cell SpikesUp() {
    Cell c;
    c.Paint([](int x, int y) {
        const double centre = 8.0 * (x / 8) + 4.0, dx = x + 0.5 - centre;
        const double halfWidth = (y - 3.0) / 3.0;
        if (y < 3 || std::abs(dx) > halfWidth + 0.5)
            return -1;
        if (dx > halfWidth - 0.5)
            return int(DarkGrey);
        return dx < 0 ? int(White) : int(Grey);
    });
    c.Rect(0, 14, kCellSize, 2, DarkGrey);
    c.Rect(0, 14, kCellSize, 1, Grey);
    return c;
}

Cell LavaFill() {
    Cell c(Orange);
    c.Paint([](int x, int y) {
        const double v = std::sin((x + 2 * std::sin(y * kPi / 8)) * kPi / 8) + std::sin(y * kPi / 4);
        return v > 1.1 ? int(Red) : v < -1.4 ? int(Yellow) : -1;
    });
    return c;
}

Cell WaterFill() {
    Cell c(Blue);
    c.Paint([](int x, int y) {
        const int phase = (x + 6 * (y / 4)) % 16;
        return (y % 4 == 1 && phase < 4) ? int(Sky) : -1;
    });
    return c;
}

// --- Doors, keys, locks --------------------------------------------------------------------------

Cell Door(Tint t) {
    Cell c(DarkGrey);
    c.Rect(0, 0, kCellSize, 1, Grey);
    c.Rect(2, 2, 12, 14, t.Dark);
    c.Rect(3, 3, 10, 13, t.Mid);
    c.Rect(3, 3, 1, 13, t.Light);
    c.Rect(6, 3, 1, 13, t.Dark);
    c.Rect(9, 3, 1, 13, t.Dark);
    c.Rect(2, 5, 12, 1, Grey);
    c.Rect(2, 12, 12, 1, Grey);
    c.Set(2, 2, DarkGrey);
    c.Set(13, 2, DarkGrey);
    c.Rect(10, 8, 2, 2, Yellow);
    c.Set(11, 9, Black);
    return c;
}

Cell Key(Tint t) {
    Cell c;
    c.Disc(4.5, 8, 4, t.Dark);
    c.Disc(4.5, 8, 3, t.Mid);
    c.Set(3, 6, t.Light);
    c.Set(2, 7, t.Light);
    c.Disc(4.5, 8, 1.2, Sky);
    c.Rect(8, 7, 7, 3, t.Dark);
    c.Rect(8, 7, 6, 1, t.Light);
    c.Rect(8, 8, 6, 1, t.Mid);
    c.Rect(11, 10, 1, 2, t.Dark);
    c.Rect(13, 10, 2, 3, t.Dark);
    return c;
}

Cell LockBlock(Tint t) {
    Cell c;
    c.Bevel(0, 0, kCellSize, kCellSize, t.Mid, t.Light, t.Dark);
    c.Rect(2, 2, 12, 12, t.Dark);
    c.Rect(3, 3, 10, 10, t.Mid);
    c.Disc(8, 7, 2, Black);
    c.Rect(7, 8, 2, 4, Black);
    return c;
}

// --- Items ---------------------------------------------------------------------------------------

Cell Gem(Tint t) {
    Cell c;
    c.Paint([&](int x, int y) {
        const double dx = x + 0.5 - 8;
        const double halfWidth = y < 3 ? -1 : y < 7 ? 3.5 + (y - 3) : 7.0 * (15.0 - y) / 8.5;
        if (std::abs(dx) > halfWidth)
            return -1;
        if (std::abs(dx) > halfWidth - 1 && (dx > 0 || y >= 7))
            return int(t.Dark);
        if (y < 6)
            return dx < -1.5 ? int(t.Light) : dx < 1.5 ? int(White) : int(t.Mid);
        if (y == 6)
            return int(t.Light);
        const double facet = dx / halfWidth;
        return facet < -0.45 ? int(t.Light) : facet < 0.2 ? int(t.Mid) : int(t.Dark);
    });
    c.Rect(4, 4, 1, 1, White);
    return c;
}

Cell Cherries() {
    Cell c;
    c.Line(5, 10, 8, 3, DarkGreen);
    c.Line(11, 10, 8, 3, DarkGreen);
    c.Ellipse(10, 3, 2.5, 1.2, Green);
    for (double cx : {4.5, 11.5}) {
        c.Disc(cx, 11.5, 3, DarkRed);
        c.Disc(cx - 0.5, 11, 2.4, Red);
        c.Set(int(cx) - 2, 10, White);
    }
    return c;
}

Cell Apple() {
    Cell c;
    c.Disc(8, 10, 5.5, DarkRed);
    c.Disc(7.5, 9.5, 4.8, Red);
    c.Rect(7, 4, 2, 1, DarkRed);
    c.Line(8, 1, 8, 4, DarkBrown);
    c.Ellipse(11, 3, 2.5, 1.2, Green);
    c.Rect(5, 7, 1, 2, White);
    return c;
}

Cell IceCream() {
    Cell c;
    c.Paint([](int x, int y) {
        const double halfWidth = (16.0 - y) / 2.2;
        if (y < 8 || std::abs(x + 0.5 - 8) > halfWidth)
            return -1;
        return ((x + y) % 3 == 0 || (x - y + 30) % 3 == 0) ? int(Brown) : int(Orange);
    });
    c.Disc(8, 7, 4.2, White);
    c.Disc(8, 3.5, 3, DarkBrown);
    c.Rect(4, 9, 8, 1, Ice);
    c.Set(7, 0, Red);
    c.Set(6, 2, Brown);
    return c;
}

Cell Crown() {
    Cell c;
    c.Art(1, 3,
          {
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
    c.Rect(1, 12, 14, 1, Orange);
    return c;
}

Cell Battery() {
    Cell c;
    c.Rect(6, 1, 4, 2, Grey);
    c.Rect(4, 3, 8, 12, Black);
    c.Rect(5, 4, 6, 5, Yellow);
    c.Rect(5, 9, 6, 5, DarkGrey);
    c.Rect(5, 4, 1, 5, White);
    c.Rect(7, 5, 1, 3, Black);
    c.Rect(6, 6, 3, 1, Black);
    c.Rect(6, 11, 4, 1, Grey);
    return c;
}

Cell Raygun() {
    Cell c;
    c.Line(1, 4, 3, 7, Red);
    c.Line(1, 10, 3, 7, Red);
    c.Ellipse(6, 7, 4, 3, DarkGrey);
    c.Ellipse(6, 6.5, 3.2, 2.2, Grey);
    c.Rect(4, 5, 3, 1, White);
    c.Rect(9, 6, 4, 2, Grey);
    c.Rect(9, 6, 4, 1, White);
    c.Rect(10, 5, 1, 4, Purple);
    c.Rect(12, 5, 1, 4, Purple);
    c.Rect(13, 6, 2, 2, Yellow);
    c.Set(15, 6, Orange);
    c.Line(5, 10, 4, 14, Red);
    c.Line(6, 10, 5, 14, Red);
    c.Line(7, 10, 6, 14, DarkRed);
    return c;
}

Cell PogoStick() {
    Cell c;
    c.Rect(7, 1, 2, 14, Grey);
    c.Rect(8, 1, 1, 14, DarkGrey);
    c.Rect(3, 1, 10, 2, Black);
    c.Rect(3, 1, 2, 2, Red);
    c.Rect(11, 1, 2, 2, Red);
    c.Rect(6, 4, 4, 5, Red);
    c.Rect(6, 4, 1, 5, Orange);
    c.Rect(4, 9, 8, 1, DarkGrey);
    for (int y = 10; y < 14; ++y)
        c.Rect(6, y, 4, 1, y % 2 ? White : Grey);
    c.Rect(7, 14, 2, 2, Black);
    return c;
}

Cell Whiskey() {
    Cell c;
    c.Rect(7, 0, 2, 2, Brown);
    c.Rect(7, 2, 2, 3, DarkBrown);
    c.Rect(5, 5, 6, 1, DarkBrown);
    c.Rect(4, 6, 8, 10, DarkBrown);
    c.Rect(5, 7, 6, 8, Orange);
    c.Rect(5, 9, 6, 4, White);
    c.Art(5, 10, {"RR.R.R", ".R.R.."});
    c.Rect(5, 7, 1, 2, Yellow);
    c.Rect(5, 13, 1, 2, Yellow);
    return c;
}

Cell Joystick() {
    Cell c;
    c.Rect(2, 11, 12, 4, Black);
    c.Rect(3, 11, 10, 2, DarkGrey);
    c.Rect(3, 11, 10, 1, Grey);
    c.Line(8, 10, 9, 5, Grey);
    c.Line(7, 10, 8, 5, DarkGrey);
    c.Disc(9, 4, 2.6, DarkRed);
    c.Disc(8.7, 3.7, 2, Red);
    c.Set(8, 3, White);
    c.Rect(4, 10, 2, 1, Red);
    return c;
}

Cell Ankh() {
    Cell c;
    c.Ellipse(8, 5, 3.5, 4.5, Yellow);
    c.Ellipse(8, 5, 1.5, 2.6, Sky);
    c.Rect(3, 9, 10, 2, Yellow);
    c.Rect(7, 9, 2, 6, Yellow);
    c.Rect(3, 11, 10, 1, Orange);
    c.Rect(9, 12, 1, 3, Orange);
    c.Set(10, 6, Orange);
    c.Set(11, 5, Orange);
    return c;
}

Cell Bullet() {
    Cell c;
    c.Art(5, 1,
          {
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

Cell Vacuum() {
    Cell c;
    c.Line(12, 1, 9, 10, Grey);
    c.Line(13, 1, 10, 10, DarkGrey);
    c.Rect(11, 0, 4, 2, Black);
    c.Ellipse(9, 8.5, 2.5, 3.5, Purple);
    c.Rect(2, 11, 11, 3, Red);
    c.Rect(2, 11, 11, 1, Orange);
    c.Rect(0, 13, 3, 1, DarkGrey);
    c.Disc(4, 14, 1.5, Black);
    c.Disc(11, 14, 1.5, Black);
    return c;
}

Cell Heart() {
    Cell c;
    c.Disc(5.5, 6, 3.2, Red);
    c.Disc(10.5, 6, 3.2, Red);
    c.Paint([](int x, int y) { return (y >= 6 && std::abs(x + 0.5 - 8) <= (14.0 - y) * 0.78) ? int(Red) : -1; });
    c.Paint([&](int x, int y) {
        return c.At(x, y) == Red && (c.At(x + 1, y) == Sky || c.At(x, y + 1) == Sky) ? int(DarkRed) : -1;
    });
    c.Rect(4, 5, 2, 1, White);
    c.Set(4, 6, White);
    return c;
}

Cell Potion() {
    Cell c;
    c.Rect(7, 1, 2, 2, Brown);
    c.Rect(6, 3, 4, 1, Grey);
    c.Rect(7, 4, 2, 3, Ice);
    c.Disc(8, 10.5, 4.6, Grey);
    c.Disc(8, 10.5, 3.8, Ice);
    c.Paint([&](int x, int y) { return y >= 9 && c.At(x, y) == Ice ? int(Purple) : -1; });
    c.Rect(5, 9, 6, 1, White);
    c.Set(6, 11, White);
    return c;
}

Cell Mushroom() {
    Cell c;
    c.Ellipse(8, 8, 7, 6, Red);
    c.Rect(0, 8, kCellSize, 8, Sky);
    c.Rect(1, 8, 14, 1, DarkRed);
    c.Rect(5, 9, 6, 6, White);
    c.Rect(10, 9, 1, 6, Ice);
    c.Disc(5, 5, 1.5, White);
    c.Disc(10.5, 4, 1.8, White);
    c.Set(12, 7, White);
    return c;
}

Cell Star() {
    Cell c;
    c.Paint([](int x, int y) {
        const double dx = x + 0.5 - 8, dy = y + 0.5 - 8.5;
        const double angle = std::atan2(dx, -dy);
        const double sector = std::fmod(angle + 2 * kPi + kPi / 5, 2 * kPi / 5) - kPi / 5;
        const double radius = 3.0 + 4.2 * (1 - std::abs(sector) / (kPi / 5));
        const double r = std::hypot(dx, dy);
        if (r > radius)
            return -1;
        return r > radius - 1.1 ? int(Orange) : int(Yellow);
    });
    c.Set(7, 6, White);
    return c;
}

// --- Switches and signs --------------------------------------------------------------------------

Cell LeverSwitch(bool on) {
    Cell c;
    const int tipX = on ? 12 : 4;
    c.Line(7, 12, tipX - (on ? 1 : 0), 5, DarkGrey);
    c.Line(8, 12, tipX + (on ? 0 : 1), 5, Grey);
    c.Disc(tipX + 0.5, 4.5, 2, on ? Green : Red);
    c.Set(tipX, 4, White);
    c.Bevel(2, 12, 12, 4, Grey, White, DarkGrey);
    c.Rect(6, 12, 4, 1, Black);
    c.Rect(on ? 11 : 3, 14, 2, 1, on ? Green : Red);
    return c;
}

Cell LightSwitch(bool on) {
    Cell c = BackWall();
    c.Bevel(4, 2, 8, 12, White, White, Grey);
    c.Rect(6, 4, 4, 8, Grey);
    c.Rect(7, on ? 4 : 8, 2, 4, DarkGrey);
    c.Rect(7, on ? 4 : 10, 2, 1, Black);
    c.Set(11, 3, on ? Yellow : DarkGrey);
    return c;
}

Cell TeleporterPad() {
    Cell c;
    for (int x : {1, 13}) {
        c.Rect(x, 4, 2, 9, Grey);
        c.Rect(x + 1, 4, 1, 9, DarkGrey);
        c.Disc(x + 1, 3, 2, Purple);
        c.Set(x, 2, White);
    }
    c.Bevel(0, 13, kCellSize, 3, Grey, White, DarkGrey);
    c.Rect(3, 12, 10, 1, Purple);
    c.Rect(5, 12, 6, 1, Ice);
    return c;
}

Cell Teleporter(int frame) {
    Cell c = TeleporterPad();
    for (int y = 2; y < 12; ++y)
        for (int x = 4; x < 12; ++x)
            if ((x + y + frame) % 4 == 0 && (x == 5 || x == 7 || x == 8 || x == 10))
                c.Set(x, y, Purple);
    for (int k = 0; k < 2; ++k) {
        const int y = 11 - 2 * frame - 5 * k;
        c.Rect(4, y, 8, 1, Ice);
        c.Rect(6, y, 4, 1, White);
    }
    return c;
}

Cell ExitSign() {
    Cell c;
    c.Rect(3, 11, 2, 5, Brown);
    c.Rect(11, 11, 2, 5, Brown);
    c.Rect(0, 3, kCellSize, 9, DarkGreen);
    c.Rect(1, 4, 14, 7, Green);
    DrawText(c, 2, 5, "EXIT", White);
    return c;
}

Cell MessageSign() {
    Cell c;
    c.Rect(7, 10, 2, 6, Brown);
    c.Rect(8, 10, 1, 6, DarkBrown);
    c.Bevel(1, 2, 14, 9, Brown, Orange, DarkBrown);
    c.Rect(3, 4, 8, 1, DarkBrown);
    c.Rect(3, 6, 10, 1, DarkBrown);
    c.Rect(3, 8, 6, 1, DarkBrown);
    return c;
}

Cell ArrowSign() {
    Cell c;
    c.Rect(7, 10, 2, 6, Brown);
    c.Rect(8, 10, 1, 6, DarkBrown);
    c.Bevel(1, 2, 14, 9, Brown, Orange, DarkBrown);
    c.Art(3, 3,
          {
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

}  // namespace sample_sheet
