#include <algorithm>
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "base/little_endian.h"
#include "base/refused_error.h"
#include "base/replace_file.h"
#include "document/tile_set_file.h"
#include "document/tile_set_file_layout.h"
#include "document/tile_set_header_codec.h"

namespace mosalind {

namespace {

const char* const kSlotNames[kAttributeSlots] = {"tile type", "top side", "right side", "bottom side", "left side"};

void CheckSavable(const std::string& path, const TileSet& tileSet, const TileGraphics& graphics) {
    const TileSetHeader& header = tileSet.Header;
    if (header.TileCount < 1 || header.TileCount > kMaxTiles || header.FrameCount < 1 ||
        header.FrameCount > kMaxFrames) {
        throw RefusedError("Cannot save " + path + ": the tile set has " + std::to_string(header.TileCount) +
                           " tiles and " + std::to_string(header.FrameCount) + " frames (allowed: 1 to " +
                           std::to_string(kMaxTiles) + " tiles, 1 to " + std::to_string(kMaxFrames) + " frames)");
    }
    if (graphics.BMPTileCount < 0 ||
        graphics.TilePlanes.size() != static_cast<std::size_t>(graphics.BMPTileCount) * kCellPlanarBytes) {
        throw RefusedError("Cannot save " + path + ": the tile graphics do not match their " +
                           std::to_string(graphics.BMPTileCount) + " cells");
    }
    for (int slot = 0; slot < kAttributeSlots; ++slot) {
        for (int tile = 0; tile < header.TileCount; ++tile) {
            const int value = tileSet.TileAttributes[slot][tile];
            if (value < 0 || value > 255) {
                throw RefusedError("Cannot save " + path + ": tile " + std::to_string(tile) + " holds " +
                                   std::to_string(value) + " in its " + kSlotNames[slot] + " (slot " +
                                   std::to_string(slot) + "); the file keeps 0 to 255");
            }
        }
    }
}

void CheckSavableCells(const std::string& path, const TileSet& tileSet) {
    const TileSetHeader& header = tileSet.Header;
    for (int frame = 0; frame < header.FrameCount; ++frame) {
        for (int tile = 0; tile < header.TileCount; ++tile) {
            const int cell = tileSet.TileFrames[frame][tile];
            if (cell < kLowestSavableCell || cell > kHighestSavableCell) {
                throw RefusedError("Cannot save " + path + ": frame " + std::to_string(frame) + " of tile " +
                                   std::to_string(tile) + " shows cell " + std::to_string(cell) +
                                   "; the file keeps cells " + std::to_string(kLowestSavableCell) + " to " +
                                   std::to_string(kHighestSavableCell));
            }
        }
    }
}

// The header, the attributes and the frame section; the planes follow them in the file.
std::vector<std::uint8_t> EncodeSections(const TileSet& tileSet, const StoredFrameValues& storedFrames) {
    const int tiles = tileSet.Header.TileCount;
    const int frames = tileSet.Header.FrameCount;
    const std::size_t framesEnd = static_cast<std::size_t>(FrameSectionEnd(tiles, frames));
    std::vector<std::uint8_t> bytes(framesEnd);

    EncodeHeader(tileSet.Header, bytes.data());
    std::uint8_t* attributes = bytes.data() + kHeaderBytes;
    for (int slot = 0; slot < kAttributeSlots; ++slot) {
        for (int tile = 0; tile < tiles; ++tile) {
            attributes[slot * tiles + tile] = static_cast<std::uint8_t>(tileSet.TileAttributes[slot][tile]);
        }
    }
    std::uint8_t* frameValues = attributes + kAttributeBytesPerTile * tiles;
    for (int frame = 0; frame < frames; ++frame) {
        for (int tile = 0; tile < tiles; ++tile) {
            StoreLE16(frameValues + 2 * (frame * tiles + tile), storedFrames[frame][tile]);
        }
    }
    return bytes;
}

// TilePlanes is already in file order (plane by plane, cell by cell, 32 bytes a cell), so it
// is written as it is, right after the sections.
void WriteSectionsAndPlanes(const std::string& path, const std::vector<std::uint8_t>& sections,
                            const TileGraphics& graphics) {
    ReplaceFileContents(path,
                        {std::span<const std::uint8_t>(sections), std::span<const std::uint8_t>(graphics.TilePlanes)});
}

}  // namespace

std::vector<std::uint8_t> TileSetBytesBeforePlanes(const std::string& path, const TileSet& tileSet,
                                                   const TileGraphics& graphics) {
    CheckSavable(path, tileSet, graphics);
    CheckSavableCells(path, tileSet);
    // The file stores each cell as its byte offset within one plane.
    StoredFrameValues stored{};
    for (int frame = 0; frame < tileSet.Header.FrameCount; ++frame) {
        for (int tile = 0; tile < tileSet.Header.TileCount; ++tile) {
            stored[frame][tile] = static_cast<std::int16_t>(tileSet.TileFrames[frame][tile] * kFrameValueScale);
        }
    }
    return EncodeSections(tileSet, stored);
}

void WriteTileSet(const std::string& path, const TileSet& tileSet, const TileGraphics& graphics) {
    WriteSectionsAndPlanes(path, TileSetBytesBeforePlanes(path, tileSet, graphics), graphics);
}

void WriteTileSetStored(const std::string& path, const TileSet& tileSet, const StoredFrameValues& storedFrames,
                        const TileGraphics& graphics) {
    CheckSavable(path, tileSet, graphics);
    WriteSectionsAndPlanes(path, EncodeSections(tileSet, storedFrames), graphics);
}

}  // namespace mosalind
