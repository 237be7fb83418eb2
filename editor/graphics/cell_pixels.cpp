#include "graphics/cell_pixels.h"

#include <algorithm>

namespace mosalind {

std::optional<CellPixels> CellPixelsOf(const TileGraphics& graphics, int cell) {
    if (cell < 0 || cell >= graphics.BMPTileCount) {
        return std::nullopt;
    }
    CellPixels pixels{};
    for (int plane = 0; plane < kPlaneCount; ++plane) {
        for (int byte = 0; byte < kPlaneBytesPerCell; ++byte) {
            const std::uint8_t bits = graphics.PlaneByte(plane, cell, byte);
            // Byte 2y holds pixels 0-7 of row y, byte 2y + 1 pixels 8-15, leftmost in bit 7.
            const int first = (byte / 2) * kCellSize + (byte % 2) * 8;
            for (int x = 0; x < 8; ++x) {
                pixels[first + x] |= static_cast<std::uint8_t>(((bits >> (7 - x)) & 1) << plane);
            }
        }
    }
    return pixels;
}

std::array<std::uint8_t, kPlaneCount * kPlaneBytesPerCell> CellPlaneBytes(const TileGraphics& graphics, int cell) {
    std::array<std::uint8_t, kPlaneCount * kPlaneBytesPerCell> bytes{};
    for (int plane = 0; plane < kPlaneCount; ++plane) {
        const auto first = graphics.TilePlanes.begin() +
                           static_cast<std::ptrdiff_t>(
                               (static_cast<std::size_t>(plane) * graphics.BMPTileCount + cell) * kPlaneBytesPerCell);
        std::copy_n(first, kPlaneBytesPerCell, bytes.begin() + plane * kPlaneBytesPerCell);
    }
    return bytes;
}

}  // namespace mosalind
