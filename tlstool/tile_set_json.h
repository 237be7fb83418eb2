// The text form of a tile set: one JSON document with a line per tile, so that a change to
// one tile is a change to one line, and every file written in it reads back to the same
// bytes.
#pragma once

#include <cstdint>
#include <string>

#include "document/tile_set.h"
#include "document/tile_set_file.h"

namespace tlstool {

// The longest text form read: the largest set written as export writes it is about 0.35 MB;
// the rest is room for a text laid out by hand or by another program.
constexpr std::uint64_t kMostTextFormBytes = std::uint64_t{16} << 20;

// What the text form says of a tile set file. The planar graphics are not part of it: they
// are cut from a sheet when the file is written.
struct JsonTileSet {
    // TileCount and FrameCount always; the rest of the header only when HasHeader.
    mosalind::TileSet Document;
    // The frame section's values: cell x 32 unless the tile gives "frame_values".
    mosalind::StoredFrameValues StoredFrames{};
    bool HasHeader = false;
};

// The text of a tile set read from a file: two-space indent, the keys in a fixed order, one
// tile a line. `storedFrames` gives the frame values as the file stores them; a tile whose
// values are not its cells x 32 also carries them as "frame_values".
std::string TileSetToJson(const mosalind::TileSet& tileSet, const mosalind::StoredFrameValues& storedFrames);

// Reads the text form. Anything it cannot take (not JSON, a missing, unknown or wrong field,
// a value out of range, a tile count the file cannot hold) throws RefusedError with one line:
// `name`, the place (a field path such as tiles[3].top.blocking) and what is wrong.
JsonTileSet TileSetFromJson(const std::string& text, const std::string& name);

}  // namespace tlstool
