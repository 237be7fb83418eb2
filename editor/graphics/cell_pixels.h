#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "graphics/tile_graphics.h"

namespace mosalind {

// The 256 pixels of one cell as colour indices 0 to 15, row by row: pixel (x, y) at
// 16 * y + x.
using CellPixels = std::array<std::uint8_t, 256>;

// The pixels of `cell`, read back from its four planes; nothing for a cell the graphics
// do not have.
std::optional<CellPixels> CellPixelsOf(const TileGraphics& graphics, int cell);

// The 128 plane bytes of `cell`, plane 0 first: two cells have the same pixels exactly when
// they have the same plane bytes. The cell must be one the graphics have.
std::array<std::uint8_t, kPlaneCount * kPlaneBytesPerCell> CellPlaneBytes(const TileGraphics& graphics, int cell);

}  // namespace mosalind
