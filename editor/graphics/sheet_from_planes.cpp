#include "graphics/sheet_from_planes.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "base/refused_error.h"
#include "graphics/tile_sheet_format.h"

namespace mosalind {

Bitmap SheetFromPlanes(const TileGraphics& graphics, std::span<const BMPPaletteEntry> palette) {
    const int cells = graphics.BMPTileCount;
    if (cells <= 0 || cells % kCellsPerRow != 0 ||
        graphics.TilePlanes.size() != static_cast<std::size_t>(cells) * kPlaneCount * kPlaneBytesPerCell) {
        throw RefusedError("The tile graphics (" + std::to_string(cells) +
                           " cells) are not whole rows of a tile sheet's cells");
    }
    Bitmap sheet;
    const std::int32_t height = cells / kCellsPerRow * kCellSize;
    sheet.InfoHeader.Width = kSheetWidth;
    sheet.InfoHeader.Height = height;
    sheet.InfoHeader.Planes = 1;
    sheet.InfoHeader.BitCount = 4;
    sheet.Palette.assign(palette.begin(),
                         palette.begin() + std::min<std::size_t>(palette.size(), kSheetPaletteEntries));
    sheet.Palette.resize(kSheetPaletteEntries);
    sheet.Pixels.assign(static_cast<std::size_t>(height) * kSheetBytesPerRow, 0);

    for (int cell = 0; cell < cells; ++cell) {
        const int left = cell % kCellsPerRow * kCellSize;
        const int top = cell / kCellsPerRow * kCellSize;
        for (int y = 0; y < kCellSize; ++y) {
            // Rows are stored bottom first, two pixels a byte, the left one in the high nibble.
            std::uint8_t* row =
                sheet.Pixels.data() + static_cast<std::size_t>(height - 1 - top - y) * kSheetBytesPerRow;
            for (int x = 0; x < kCellSize; ++x) {
                int colour = 0;
                for (int plane = 0; plane < kPlaneCount; ++plane) {
                    const std::uint8_t byte = graphics.PlaneByte(plane, cell, 2 * y + x / 8);
                    colour |= ((byte >> (7 - x % 8)) & 1) << plane;
                }
                const int pixel = left + x;
                row[pixel / 2] |= static_cast<std::uint8_t>(pixel % 2 == 0 ? colour << 4 : colour);
            }
        }
    }
    return sheet;
}

}  // namespace mosalind
