#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "graphics/bitmap_reader.h"
#include "graphics/sheet_grid.h"

namespace mosalind {

constexpr int kPlaneCount = 4;
constexpr int kPlaneBytesPerCell = 32;

// One 16 x 16 cell, one colour index a byte, column by column: pixel (x, y) at 16 * x + y.
using TileBuffer = std::array<std::uint8_t, 256>;

// The planar graphics of every cut cell: [plane 0..3][cell][byte 0..31], stored flat.
// Byte 2y holds pixels 0-7 of row y and byte 2y + 1 pixels 8-15, leftmost pixel in bit 7;
// plane p carries bit p of each pixel's colour index.
struct TileGraphics {
    std::int16_t BMPTileCount = 0;
    std::vector<std::uint8_t> TilePlanes;  // kPlaneCount * BMPTileCount * 32 bytes

    std::uint8_t& PlaneByte(int plane, int cell, int byte) {
        return TilePlanes[(static_cast<std::size_t>(plane) * BMPTileCount + cell) * kPlaneBytesPerCell + byte];
    }
    std::uint8_t PlaneByte(int plane, int cell, int byte) const {
        return TilePlanes[(static_cast<std::size_t>(plane) * BMPTileCount + cell) * kPlaneBytesPerCell + byte];
    }
};

// Copies cell (column, row) of the sheet out of the bottom-up pixel data into `buffer`.
// The caller keeps column in 0 to 12 and row below the sheet's cell rows; a cell that
// would reach outside the pixel data throws std::out_of_range instead.
void ExtractTile(const Bitmap& bitmap, TileBuffer& buffer, std::int16_t column, std::int16_t row);

// Sets the plane bits of `cell` from `buffer`; only ever sets bits. A cell outside 0 to
// BMPTileCount - 1 throws std::out_of_range.
void TileToPlanes(const TileBuffer& buffer, std::int16_t cell, TileGraphics& graphics);

// Cuts every cell of a bitmap that ReadBitmap accepted: BMPTileCount = height x width div
// 256 and the planes of every cell. Any other bitmap throws RefusedError.
TileGraphics CutTiles(const Bitmap& bitmap);

}  // namespace mosalind
