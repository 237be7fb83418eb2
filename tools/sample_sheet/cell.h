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

constexpr int kCellSize = 16;
constexpr double kPi = std::numbers::pi;

// A repeatable pseudo-random number per pixel, for textures.
std::uint32_t Noise(int x, int y, int seed);

// One 16 x 16 cell of palette indices, with the few drawing operations the tiles need.
// Drawing outside the cell is clipped.
class Cell {
public:
    explicit Cell(Colour background = Sky) { pixels_.fill(background); }

    Colour At(int x, int y) const { return Inside(x, y) ? Colour(pixels_[Index(x, y)]) : Sky; }
    void Set(int x, int y, Colour c) {
        if (Inside(x, y))
            pixels_[Index(x, y)] = c;
    }

    void Rect(int x, int y, int w, int h, Colour c) {
        for (int yy = y; yy < y + h; ++yy)
            for (int xx = x; xx < x + w; ++xx)
                Set(xx, yy, c);
    }

    void Line(int x0, int y0, int x1, int y1, Colour c);

    // Fills the pixels whose centres lie inside the ellipse; centres may fall between pixels.
    void Ellipse(double cx, double cy, double rx, double ry, Colour c);
    void Disc(double cx, double cy, double r, Colour c) { Ellipse(cx, cy, r, r, c); }

    // Bevelled block: light top and left edges, shaded bottom and right edges.
    void Bevel(int x, int y, int w, int h, Colour face, Colour light, Colour shade);

    // In the pixel-art rows, '.' leaves the pixel unchanged and '1', '2', '3' stand for the
    // light, middle and dark colour of a Tint; every other letter is a colour of kLetters.
    void Art(int x, int y, std::initializer_list<std::string_view> rows, Tint tint = kRedTint);

    // Calls colourAt(x, y) for every pixel; a result of -1 keeps the pixel.
    template <typename F>
    void Paint(F colourAt) {
        for (int y = 0; y < kCellSize; ++y)
            for (int x = 0; x < kCellSize; ++x)
                if (const int c = colourAt(x, y); c >= 0)
                    pixels_[Index(x, y)] = std::uint8_t(c);
    }

    Cell FlippedX() const {
        return Remapped([](int x, int y) { return Index(kCellSize - 1 - x, y); });
    }
    Cell FlippedY() const {
        return Remapped([](int x, int y) { return Index(x, kCellSize - 1 - y); });
    }
    Cell Transposed() const {
        return Remapped([](int x, int y) { return Index(y, x); });
    }

    const std::array<std::uint8_t, kCellSize * kCellSize>& Pixels() const { return pixels_; }
    bool operator==(const Cell&) const = default;

private:
    static bool Inside(int x, int y) { return x >= 0 && x < kCellSize && y >= 0 && y < kCellSize; }
    static std::size_t Index(int x, int y) { return static_cast<std::size_t>(y * kCellSize + x); }

    template <typename F>
    Cell Remapped(F source) const {
        Cell out;
        for (int y = 0; y < kCellSize; ++y)
            for (int x = 0; x < kCellSize; ++x)
                out.pixels_[Index(x, y)] = pixels_[source(x, y)];
        return out;
    }

    std::array<std::uint8_t, kCellSize * kCellSize> pixels_{};
};

}  // namespace sample_sheet
