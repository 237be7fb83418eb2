#pragma once

#include <string>

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

}  // namespace mosalind
