#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "base/refused_error.h"
#include "graphics/large_pages.h"
#include "graphics/tile_graphics.h"
#include "graphics/tile_sheet_format.h"

namespace mosalind {

namespace {

// For a stored byte (left pixel in the high nibble), bit p of each pixel's colour as a
// two-bit pair - left pixel in the higher bit - placed in byte lane p of the result.
std::array<std::uint32_t, 256> MakePairLanes() {
    std::array<std::uint32_t, 256> lanes{};
    for (std::uint32_t value = 0; value < 256; ++value) {
        std::uint32_t packed = 0;
        for (std::uint32_t plane = 0; plane < kPlaneCount; ++plane) {
            const std::uint32_t left = (value >> (4 + plane)) & 1;
            const std::uint32_t right = (value >> plane) & 1;
            packed |= ((left << 1) | right) << (8 * plane);
        }
        lanes[value] = packed;
    }
    return lanes;
}

const std::array<std::uint32_t, 256> kPairLanes = MakePairLanes();

// Four stored bytes = eight pixels = one plane byte in each of the four lanes.
inline std::uint32_t PlaneLanes(const std::uint8_t* pixels) {
    return (kPairLanes[pixels[0]] << 6) | (kPairLanes[pixels[1]] << 4) | (kPairLanes[pixels[2]] << 2) |
           kPairLanes[pixels[3]];
}

void CheckCuttable(const Bitmap& bitmap) {
    const BMPInfoHeader& info = bitmap.InfoHeader;
    if (info.Width != kSheetWidth || info.Height <= 0 || info.Height % kCellSize != 0 ||
        info.Height / kCellSize > kMaxSheetCellRows ||
        bitmap.Pixels.size() < static_cast<std::size_t>(info.Height) * kSheetBytesPerRow) {
        throw RefusedError("The bitmap (" + std::to_string(info.Width) + " x " + std::to_string(info.Height) +
                           " pixels) is not a tile sheet of " + std::to_string(kSheetWidth) +
                           "-pixel-wide rows of 16 x 16 cells");
    }
}

}  // namespace

// Gives the same planes as ExtractTile and TileToPlanes for every cell, reading each stored
// row once instead of going pixel by pixel and bit by bit.
TileGraphics CutTiles(const Bitmap& bitmap) {
    CheckCuttable(bitmap);
    const std::int32_t height = bitmap.InfoHeader.Height;
    TileGraphics graphics;
    graphics.BMPTileCount = static_cast<std::int16_t>(height * kSheetWidth / 256);
    const std::size_t cells = static_cast<std::size_t>(graphics.BMPTileCount);
    graphics.TilePlanes.reserve(cells * kPlaneCount * kPlaneBytesPerCell);
    AdviseLargePages(graphics.TilePlanes.data(), graphics.TilePlanes.capacity());
    graphics.TilePlanes.assign(cells * kPlaneCount * kPlaneBytesPerCell, 0);
    const std::size_t planeStride = cells * kPlaneBytesPerCell;

    std::uint8_t* planes = graphics.TilePlanes.data();
    const std::uint8_t* pixels = bitmap.Pixels.data();
    std::uint8_t cellPlanes[kPlaneCount][kPlaneBytesPerCell];
    for (std::size_t cell = 0; cell < cells; ++cell) {
        const std::size_t cellRow = cell / kCellsPerRow;
        const std::size_t column = cell % kCellsPerRow;
        // The cell's top pixel row is the highest of its 16 stored rows.
        const std::uint8_t* rowPixels =
            pixels + (static_cast<std::size_t>(height) - 1 - cellRow * kCellSize) * kSheetBytesPerRow +
            column * (kCellSize / 2);
        for (int y = 0; y < kCellSize; ++y, rowPixels -= kSheetBytesPerRow) {
            const std::uint32_t leftHalf = PlaneLanes(rowPixels);
            const std::uint32_t rightHalf = PlaneLanes(rowPixels + 4);
            for (int plane = 0; plane < kPlaneCount; ++plane) {
                cellPlanes[plane][2 * y] = static_cast<std::uint8_t>(leftHalf >> (8 * plane));
                cellPlanes[plane][2 * y + 1] = static_cast<std::uint8_t>(rightHalf >> (8 * plane));
            }
        }
        for (int plane = 0; plane < kPlaneCount; ++plane) {
            std::memcpy(planes + plane * planeStride + cell * kPlaneBytesPerCell, cellPlanes[plane],
                        kPlaneBytesPerCell);
        }
    }
    return graphics;
}

}  // namespace mosalind
