#pragma once

#include <cstdint>

#include "document/tile_set.h"
#include "graphics/tile_sheet_format.h"

namespace mosalind {

// Where the sections of a tile set file lie: a 62-byte header, 5 attribute bytes per tile,
// 2 bytes per tile and frame, 128 bytes of planar graphics per cell.
constexpr std::int64_t kAttributeBytesPerTile = kAttributeSlots;
constexpr std::int64_t kFrameEntryBytes = 2;
constexpr std::int64_t kCellPlanarBytes = 128;
// The file stores a frame's cell number times 32: the cell's byte offset within one plane.
constexpr int kFrameValueScale = 32;
// The cells a frame can show in a saved file: cell x 32 must fit a signed 16-bit value.
constexpr int kLowestSavableCell = -32768 / kFrameValueScale;  // -1024
constexpr int kHighestSavableCell = 32767 / kFrameValueScale;  // 1023

// The header's offset fields count a 64-byte header, though the header is 62 bytes long:
// each holds its section's place + 2.
constexpr std::int32_t kCountedHeaderBytes = 64;

// The longest tile set file there is: the most tiles and frames, and the planes of the
// tallest sheet (2,520 rows of 13 cells). A longer file is refused by its length alone.
constexpr std::int64_t kMostTileSetFileBytes = kHeaderBytes +
                                               (kAttributeBytesPerTile + kFrameEntryBytes * kMaxFrames) * kMaxTiles +
                                               kCellPlanarBytes * kMaxSheetCellRows * (kSheetWidth / 16);

inline std::int64_t FrameSectionStart(std::int64_t tileCount) {
    return kHeaderBytes + kAttributeBytesPerTile * tileCount;
}

inline std::int64_t FrameSectionEnd(std::int64_t tileCount, std::int64_t frameCount) {
    return FrameSectionStart(tileCount) + kFrameEntryBytes * tileCount * frameCount;
}

}  // namespace mosalind
