#pragma once

#include <cstdint>

#include "document/tile_set.h"

namespace mosalind {

// Where the sections of a tile set file lie: a 62-byte header, 5 attribute bytes per tile,
// 2 bytes per tile and frame, 128 bytes of planar graphics per cell.
constexpr std::int64_t kAttributeBytesPerTile = kAttributeSlots;
constexpr std::int64_t kFrameEntryBytes = 2;
constexpr std::int64_t kCellPlanarBytes = 128;
// The file stores a frame's cell number times 32: the cell's byte offset within one plane.
constexpr int kFrameValueScale = 32;

inline std::int64_t FrameSectionStart(std::int64_t tileCount) {
    return kHeaderBytes + kAttributeBytesPerTile * tileCount;
}

inline std::int64_t FrameSectionEnd(std::int64_t tileCount, std::int64_t frameCount) {
    return FrameSectionStart(tileCount) + kFrameEntryBytes * tileCount * frameCount;
}

}  // namespace mosalind
