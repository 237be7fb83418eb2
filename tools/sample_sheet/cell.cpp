#include "sample_sheet/cell.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace sample_sheet {

std::uint32_t Noise(int x, int y, int seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

void Cell::Line(int x0, int y0, int x1, int y1, Colour c) {
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    for (int err = dx + dy;;) {
        Set(x0, y0, c);
        if (x0 == x1 && y0 == y1)
            return;
        const int e2 = 2 * err;
        if (e2 >= dy)
            err += dy, x0 += sx;
        if (e2 <= dx)
            err += dx, y0 += sy;
    }
}

void Cell::Ellipse(double cx, double cy, double rx, double ry, Colour c) {
    Paint([&](int x, int y) {
        const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
        return dx * dx + dy * dy <= 1.0 ? int(c) : -1;
    });
}

void Cell::Bevel(int x, int y, int w, int h, Colour face, Colour light, Colour shade) {
    Rect(x, y, w, h, face);
    Rect(x, y, w, 1, light);
    Rect(x, y, 1, h, light);
    Rect(x, y + h - 1, w, 1, shade);
    Rect(x + w - 1, y, 1, h, shade);
}

void Cell::Art(int x, int y, std::initializer_list<std::string_view> rows, Tint tint) {
    for (std::string_view row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            const char ch = row[i];
            const int px = x + static_cast<int>(i);
            if (ch == '.')
                continue;
            if (ch == '1')
                Set(px, y, tint.Light);
            else if (ch == '2')
                Set(px, y, tint.Mid);
            else if (ch == '3')
                Set(px, y, tint.Dark);
            else if (const auto k = kLetters.find(ch); k != std::string_view::npos)
                Set(px, y, Colour(k));
            else
                throw std::logic_error(std::string("unknown colour letter '") + ch + "'");
        }
        ++y;
    }
}

}  // namespace sample_sheet
