#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "graphics/bitmap_reader.h"

namespace mosalind {

// Reads a tile sheet from an indexed BMP file (see ReadBitmap) or an indexed PNG file (see
// DecodePngSheet), told apart by the file's first bytes, "BM" or PNG's signature, whatever
// its name. Throws RefusedError naming the file and the reason for anything else.
Bitmap ReadTileSheet(const std::string& path);

// The same reading of a file already in memory; `name` is the file's name in refusals.
Bitmap DecodeTileSheet(const std::uint8_t* bytes, std::size_t size, const std::string& name);

}  // namespace mosalind
