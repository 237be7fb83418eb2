#include "sample_sheet/items.h"

#include <cmath>
#include <utility>

#include "sample_sheet/backgrounds.h"
#include "sample_sheet/tiny_font.h"

namespace sample_sheet {

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

}  // namespace sample_sheet
