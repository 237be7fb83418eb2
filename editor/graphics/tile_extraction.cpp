#include <cstdint>
#include <stdexcept>
#include <string>

#include "base/bit_procedures.h"
#include "graphics/tile_graphics.h"

namespace mosalind {

void ExtractTile(const Bitmap& bitmap, TileBuffer& buffer, std::int16_t column, std::int16_t row) {
    // 64-bit arithmetic: sheets up to 40,320 pixels high put (row + 1) x 16 and the stored
    // row index beyond 16 bits.
    const std::int64_t width = bitmap.InfoHeader.Width;
    const std::int64_t height = bitmap.InfoHeader.Height;
    const std::int64_t firstStoredRow = height - (static_cast<std::int64_t>(row) + 1) * kCellSize;
    std::int64_t offset = (static_cast<std::int64_t>(column) * kCellSize + firstStoredRow * width) / 2;
    const std::int64_t rowStep = (width - kCellSize) / 2;
    const std::int64_t lastByte = offset + (kCellSize - 1) * (rowStep + kCellSize / 2) + kCellSize / 2 - 1;
    if (column < 0 || column >= kCellsPerRow || row < 0 || width < kCellSize || offset < 0 ||
        lastByte >= static_cast<std::int64_t>(bitmap.Pixels.size())) {
        throw std::out_of_range("cell (" + std::to_string(column) + ", " + std::to_string(row) +
                                ") lies outside the bitmap's pixel data");
    }
    for (int y = kCellSize - 1; y >= 0; --y) {
        for (int x = 0; x < kCellSize; ++x) {
            const std::uint8_t pair = bitmap.Pixels[static_cast<std::size_t>(offset)];
            if (x % 2 == 0) {
                buffer[kCellSize * x + y] = static_cast<std::uint8_t>(pair >> 4);
            } else {
                buffer[kCellSize * x + y] = static_cast<std::uint8_t>(pair & 15);
                ++offset;
            }
        }
        offset += rowStep;
    }
}

void TileToPlanes(const TileBuffer& buffer, std::int16_t cell, TileGraphics& graphics) {
    if (cell < 0 || cell >= graphics.BMPTileCount ||
        graphics.TilePlanes.size() <
            static_cast<std::size_t>(graphics.BMPTileCount) * kPlaneCount * kPlaneBytesPerCell) {
        throw std::out_of_range("cell " + std::to_string(cell) + " is outside the " +
                                std::to_string(graphics.BMPTileCount) + " cut cells");
    }
    for (int y = 0; y < kCellSize; ++y) {
        for (int x = 0; x < kCellSize; ++x) {
            const int byte = 2 * y + x / 8;
            for (int plane = 0; plane < kPlaneCount; ++plane) {
                if (IsBitSet(buffer[kCellSize * x + y], plane)) {
                    std::uint8_t& target = graphics.PlaneByte(plane, cell, byte);
                    target = SetBit(target, 7 - x % 8);
                }
            }
        }
    }
}

}  // namespace mosalind
