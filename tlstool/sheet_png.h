// The sheet as the map editor's tileset shows it: an indexed PNG of the sheet's 16 colours,
// 4 bits a pixel, written with libpng.
#pragma once

#include <cstdint>
#include <vector>

#include "graphics/bitmap_reader.h"

namespace tlstool {

// The PNG file of a sheet that ReadTileSheet accepted: the same size, the palette's 16
// colours in their order (so every pixel keeps its colour index), rows top first. The same
// sheet gives the same bytes. Throws RefusedError (naming `name`) when libpng cannot write
// it, std::bad_alloc when memory runs out.
std::vector<std::uint8_t> EncodeSheetPng(const mosalind::Bitmap& sheet, const std::string& name);

}  // namespace tlstool
