#include "sample_sheet/animations.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

#include "sample_sheet/backgrounds.h"
#include "sample_sheet/items.h"

namespace sample_sheet {

namespace {

// Surface of a liquid: a wave that moves two pixels per frame and repeats after eight frames.
double WaveLine(int x, int frame) {
    const double u = (x + 2 * frame) * 2 * kPi / kCellSize;
    return 5 + 1.2 * std::sin(u) + 0.6 * std::sin(2 * u + 1);
}

}  // namespace

Cell Coin(int frame) {
    Cell c;
    const std::array<double, 4> halfWidth{6, 3.5, 1.2, 3.5};
    const double rx = halfWidth[std::size_t(frame)];
    c.Ellipse(8, 8, rx, 6.5, Orange);
    if (frame == 2) {
        c.Rect(7, 2, 2, 12, Orange);
        c.Rect(7, 3, 1, 10, Yellow);
        return c;
    }
    c.Ellipse(8, 8, rx - 1, 5.5, Yellow);
    if (frame == 0) {
        c.Rect(8, 5, 1, 6, Orange);
        c.Rect(4, 5, 1, 3, White);
    } else {
        c.Rect(frame == 1 ? 6 : 9, 5, 1, 5, White);
    }
    return c;
}

Cell Torch(int frame) {
    Cell c = BackWall();
    c.Rect(7, 9, 2, 6, Brown);
    c.Rect(8, 9, 1, 6, DarkBrown);
    c.Rect(5, 8, 6, 2, Grey);
    c.Rect(5, 9, 6, 1, DarkGrey);
    const std::array<double, 4> height{6, 7.5, 5.5, 7};
    const std::array<double, 4> lean{0, -1.5, 0.5, 1.5};
    const double h = height[std::size_t(frame)], l = lean[std::size_t(frame)];
    c.Paint([&](int x, int y) {
        const double t = (8.0 - (y + 0.5)) / h;  // 0 at the cup, 1 at the tip
        if (t < -0.35 || t > 1)
            return -1;
        const double centre = 8 + l * std::max(t, 0.0) * std::max(t, 0.0);
        const double width = 3.2 * std::sqrt(1 - std::abs(t));
        const double d = std::abs(x + 0.5 - centre);
        if (d > width)
            return -1;
        return d < width * 0.35 && t < 0.6 ? int(Yellow) : d < width * 0.7 ? int(Orange) : int(Red);
    });
    return c;
}

Cell SparkleGem(int frame) {
    Cell c = Gem(kGreenTint);
    const std::array<std::pair<int, int>, 4> spot{{{4, 5}, {11, 8}, {7, 11}, {10, 4}}};
    const auto [x, y] = spot[std::size_t(frame)];
    c.Rect(x - 1, y, 3, 1, White);
    c.Rect(x, y - 1, 1, 3, White);
    if (frame % 2 == 0) {
        c.Set(x - 2, y, Yellow);
        c.Set(x + 2, y, Yellow);
        c.Set(x, y - 2, Yellow);
        c.Set(x, y + 2, Yellow);
    }
    return c;
}

Cell Conveyor(int frame) {
    Cell c;
    c.Rect(0, 3, kCellSize, 10, Black);
    c.Rect(0, 4, kCellSize, 8, DarkGrey);
    c.Paint([&](int x, int y) {
        if (y == 4)
            return ((x + 2 * frame) % 8 < 4) ? int(Yellow) : int(DarkGrey);
        if (y == 11)
            return ((x - 2 * frame + 16) % 8 < 4) ? int(Grey) : int(DarkGrey);
        return -1;
    });
    for (double cx : {4.0, 12.0}) {
        c.Disc(cx, 8, 2.5, Grey);
        const double a = frame * kPi / 4;
        c.Set(int(cx + 1.6 * std::cos(a)), int(8 + 1.6 * std::sin(a)), Black);
        c.Set(int(cx - 1.6 * std::cos(a)), int(8 - 1.6 * std::sin(a)), Black);
    }
    return c;
}

Cell Flag(int frame) {
    Cell c;
    c.Rect(3, 1, 1, 15, Grey);
    c.Rect(4, 1, 1, 15, DarkGrey);
    c.Rect(2, 0, 3, 1, Yellow);
    for (int x = 5; x < 15; ++x) {
        const double wave = std::sin((x - 5) * 0.7 - frame * kPi / 2) * (x - 4) / 6.0;
        const int offset = int(std::lround(wave));
        const bool shaded = std::cos((x - 5) * 0.7 - frame * kPi / 2) < -0.3;
        c.Rect(x, 2 + offset, 1, 6, shaded ? DarkRed : Red);
        c.Set(x, 2 + offset, shaded ? Red : Orange);
    }
    return c;
}

Cell Waterfall(int frame) {
    Cell c(Blue);
    c.Paint([&](int x, int y) {
        const auto column = Noise(x, 0, 92);
        const auto streak = (unsigned(y - 4 * frame + 64) + column) % kCellSize;
        if (column % 2 && streak < 3)
            return int(streak == 2 ? Ice : White);
        if (streak >= 8 && streak < 10)
            return int(Ice);
        return column % 3 == 0 ? int(Sky) : -1;
    });
    return c;
}

Cell SawBlade(int frame) {
    Cell c;
    c.Paint([&](int x, int y) {
        const double dx = x + 0.5 - 8, dy = y + 0.5 - 8;
        const double r = std::hypot(dx, dy);
        const double turn = std::atan2(dy, dx) / (2 * kPi) * 8 + frame / 4.0;
        const double tooth = turn - std::floor(turn);
        const double edge = 5.2 + 2.3 * tooth;
        if (r > edge)
            return -1;
        if (r < 1.6)
            return int(Black);
        if (r < 3.2)
            return int(DarkGrey);
        return r > edge - 1.2 ? int(White) : int(Grey);
    });
    return c;
}

Cell WaterSurface(int frame) {
    Cell c = WaterFill();
    c.Paint([&](int x, int y) {
        const double depth = y + 0.5 - WaveLine(x, frame);
        if (depth < 0)
            return int(Sky);
        if (depth < 1)
            return int(White);
        if (depth < 2)
            return int(Ice);
        if (depth < 3)
            return int(Sky);
        return -1;
    });
    return c;
}

Cell LavaSurface(int frame) {
    Cell c = LavaFill();
    const Cell wall = CaveWall();
    c.Paint([&](int x, int y) {
        const double depth = y + 0.5 - WaveLine(x, frame);
        if (depth < 0)
            return int(wall.At(x, y));
        if (depth < 1)
            return int(Yellow);
        if (depth < 2.5)
            return int(Orange);
        return -1;
    });
    const double bubbleX = 3 + (frame * 5) % 11;
    c.Disc(bubbleX, 11 - frame % 4, 1.2 + 0.3 * (frame % 3), Yellow);
    c.Set(int(bubbleX), int(11 - frame % 4), Orange);
    return c;
}

}  // namespace sample_sheet
