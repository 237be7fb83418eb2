// What the game or the editor would trip over in a tile set file that can be read.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/tile_set_file.h"
#include "graphics/tile_graphics.h"

namespace tlstool {

// One line for each thing found, "name: place: what": a header whose counts or offsets
// disagree with each other or with the file's length, a type the tile type list has no row
// for, slope bits no slope decodes to; per tile one line for its frame values that are not
// a cell's offset and one for its frames naming cells the sheet (when given) or else the
// file's planar graphics do not have (frames counted from 1); with a sheet, also planar
// graphics that are not the sheet's. Nothing for a clean set.
std::vector<std::string> CheckTileSet(const mosalind::TileSetFileContents& contents, const std::string& name,
                                      const mosalind::TileGraphics* sheet);

}  // namespace tlstool
