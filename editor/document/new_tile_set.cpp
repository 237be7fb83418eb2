#include "document/new_tile_set.h"

#include <string>

#include "base/refused_error.h"
#include "document/tile_set_file_layout.h"

namespace mosalind {

namespace {

constexpr std::int32_t kAttributeOffsetOfNewSet = kCountedHeaderBytes;

void CheckNewTileSet(std::int16_t tileCount, std::int16_t frameCount, std::int32_t bitmapWidth,
                     std::int32_t bitmapHeight) {
    if (tileCount < 1 || tileCount > kMaxTiles) {
        throw RefusedError("The tile count " + std::to_string(tileCount) + " is outside 1 to " +
                           std::to_string(kMaxTiles));
    }
    if (frameCount != 4 && frameCount != 8) {
        throw RefusedError("The frame count " + std::to_string(frameCount) + " is neither 4 nor 8");
    }
    if (bitmapWidth < 16 || bitmapHeight < 16) {
        throw RefusedError("The tile bitmap (" + std::to_string(bitmapWidth) + " x " + std::to_string(bitmapHeight) +
                           " pixels) has no whole row of 16 x 16 cells for the tiles to show");
    }
    const std::int64_t planeSize = static_cast<std::int64_t>(bitmapWidth) * bitmapHeight / 8;
    if (planeSize > 32767) {
        throw RefusedError("The tile bitmap (" + std::to_string(bitmapWidth) + " x " + std::to_string(bitmapHeight) +
                           " pixels) has a plane size of " + std::to_string(planeSize) +
                           " bytes, more than the 32767 a tile set can record (at most 78 rows "
                           "of cells in a 208-pixel-wide bitmap)");
    }
}

}  // namespace

void FillNewTileSet(TileSet& tileSet, std::int16_t tileCount, std::int16_t frameCount, std::int32_t bitmapWidth,
                    std::int32_t bitmapHeight) {
    CheckNewTileSet(tileCount, frameCount, bitmapWidth, bitmapHeight);

    TileSetHeader& header = tileSet.Header;
    header.TileCount = tileCount;
    header.FrameCount = frameCount;
    header.PlaneSize = static_cast<std::int16_t>(static_cast<std::int64_t>(bitmapWidth) * bitmapHeight / 8);
    header.AttributeOffset = kAttributeOffsetOfNewSet;
    header.FrameOffset = kCountedHeaderBytes + 5 * tileCount;
    header.PlanesOffset = header.FrameOffset + 2 * tileCount * frameCount;

    for (auto& slot : tileSet.TileAttributes) {
        for (int tile = 0; tile < tileCount; ++tile) {
            slot[tile] = 0;
        }
    }
    // Cells counted as the bitmap's whole rows of 13; every frame starts on the tile's own
    // cell, wrapping back to cell 0 after the last one.
    const std::int64_t cellCount = static_cast<std::int64_t>(bitmapHeight / 16) * 13;
    for (int frame = 0; frame < frameCount; ++frame) {
        for (int tile = 0; tile < tileCount; ++tile) {
            tileSet.TileFrames[frame][tile] = static_cast<std::int16_t>(tile % cellCount);
        }
    }
}

}  // namespace mosalind
