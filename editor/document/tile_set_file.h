#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "document/tile_set.h"
#include "graphics/tile_graphics.h"

namespace mosalind {

// Reads the header, the attribute section and the frame section of a tile set file.
// Returns `current` with the header and the in-use entries replaced; entries beyond the
// file's TileCount and FrameCount keep the values they have in `current`.
// Throws RefusedError (and `current` is untouched) for an unreadable file, a TileCount
// outside 1 to 1201, a FrameCount outside 1 to 8 or a file that ends before its frame
// section does.
TileSet ReadTileSet(const std::string& path, const TileSet& current);

// Writes the whole file: header, attributes, frames (cell x 32), then the planar graphics.
// Checks every in-use value first, writes to a temporary file beside the target and
// renames it over the target only when every byte was written. Throws RefusedError; the
// target is then as it was.
void WriteTileSet(const std::string& path, const TileSet& tileSet, const TileGraphics& graphics);

// The frame section's values as the file stores them, [frame][tile]: the cell number x 32
// in every file the editor writes, though a foreign file may hold any 16-bit value there
// (the editor reads such a value as the cell it falls in, truncated toward zero).
using StoredFrameValues = std::array<std::array<std::int16_t, kMaxTiles>, kMaxFrames>;

// Everything a tile set file holds: the document as Open reads it, the frame values as
// stored, and the bytes after the frame section (the planar graphics, if the file is whole).
struct TileSetFileContents {
    TileSet Document;
    StoredFrameValues StoredFrames{};
    std::vector<std::uint8_t> AfterFrames;
};

// Reads the whole file; refuses exactly what ReadTileSet refuses. The document's entries
// beyond its TileCount and FrameCount are 0.
TileSetFileContents ReadTileSetContents(const std::string& path);

// The same reading of a file already in memory; `name` is the file's name in refusals.
TileSetFileContents ReadTileSetBytes(std::span<const std::uint8_t> bytes, const std::string& name);

// The bytes WriteTileSet writes before the planes (header, attributes, frames), after the
// same checks; the planes follow them in the file as `graphics.TilePlanes` holds them.
// Throws RefusedError, naming `path`, for what WriteTileSet refuses.
std::vector<std::uint8_t> TileSetBytesBeforePlanes(const std::string& path, const TileSet& tileSet,
                                                   const TileGraphics& graphics);

// WriteTileSet with the frame section taken from `storedFrames` rather than from the
// document's cell numbers, so that a file's frame values are written back as they were.
void WriteTileSetStored(const std::string& path, const TileSet& tileSet, const StoredFrameValues& storedFrames,
                        const TileGraphics& graphics);

}  // namespace mosalind
