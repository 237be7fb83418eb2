// Tile sets and planar graphics for the document tests, and a whole-document comparison.
#pragma once

#include <cstdint>

#include "document/tile_set.h"
#include "graphics/tile_graphics.h"

namespace mosalind::test_helpers {

// A document with the given counts whose in-use values differ from tile to tile.
inline TileSet PatternedTileSet(std::int16_t tiles, std::int16_t frames) {
    TileSet set;
    set.Header.TileCount = tiles;
    set.Header.FrameCount = frames;
    for (int slot = 0; slot < kAttributeSlots; ++slot) {
        for (int tile = 0; tile < tiles; ++tile) {
            set.TileAttributes[slot][tile] = static_cast<std::int16_t>((tile * 7 + slot * 31) % 256);
        }
    }
    for (int frame = 0; frame < frames; ++frame) {
        for (int tile = 0; tile < tiles; ++tile) {
            set.TileFrames[frame][tile] = static_cast<std::int16_t>((tile + frame * 97) % 2048 - 1024);
        }
    }
    return set;
}

inline TileGraphics PatternedGraphics(std::int16_t cells) {
    TileGraphics graphics;
    graphics.BMPTileCount = cells;
    graphics.TilePlanes.resize(static_cast<std::size_t>(cells) * 128);
    for (std::size_t i = 0; i < graphics.TilePlanes.size(); ++i) {
        graphics.TilePlanes[i] = static_cast<std::uint8_t>((i * 13 + 5) % 251);
    }
    return graphics;
}

inline bool SameDocument(const TileSet& a, const TileSet& b) {
    const TileSetHeader& x = a.Header;
    const TileSetHeader& y = b.Header;
    return x.TileCount == y.TileCount && x.FrameCount == y.FrameCount && x.PlaneSize == y.PlaneSize &&
           x.AttributeOffset == y.AttributeOffset && x.FrameOffset == y.FrameOffset &&
           x.PlanesOffset == y.PlanesOffset && x.Reserved == y.Reserved && a.TileAttributes == b.TileAttributes &&
           a.TileFrames == b.TileFrames;
}

}  // namespace mosalind::test_helpers
