#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace mosalind {

constexpr int kMaxTiles = 1201;
constexpr int kMaxFrames = 8;
constexpr int kAttributeSlots = 5;
constexpr int kReservedHeaderBytes = 44;
constexpr int kHeaderBytes = 62;

// The 62-byte header of a tile set file, held as one unit: New fills it, Open replaces it
// whole, Save writes it back unchanged. The offsets count a 64-byte header.
struct TileSetHeader {
    std::int16_t TileCount = 0;
    std::int16_t FrameCount = 0;
    std::int16_t PlaneSize = 0;
    std::int32_t AttributeOffset = 0;
    std::int32_t FrameOffset = 0;
    std::int32_t PlanesOffset = 0;
    std::array<std::uint8_t, kReservedHeaderBytes> Reserved{};
};

// The editor's one document. The tables have fixed capacity; only the first TileCount
// tiles and FrameCount frames are in use, the rest keep what they held.
struct TileSet {
    TileSetHeader Header;
    // [slot 0..4][tile]: slot 0 the tile type, slots 1 to 4 the side words of the top,
    // right, bottom and left sides (blocking kind in bits 0-1, slope in bits 2-7).
    std::array<std::array<std::int16_t, kMaxTiles>, kAttributeSlots> TileAttributes{};
    // [frame 0..7][tile]: the bitmap cell number each frame shows.
    std::array<std::array<std::int16_t, kMaxTiles>, kMaxFrames> TileFrames{};
};

// The frames the set uses: its FrameCount, kept within the tables.
inline int FramesInUse(const TileSet& tileSet) {
    return std::clamp<int>(tileSet.Header.FrameCount, 0, kMaxFrames);
}

}  // namespace mosalind
