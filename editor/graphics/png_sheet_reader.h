#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "graphics/bitmap_reader.h"

namespace mosalind {

class ByteFileReader;

// PNG's eight-byte signature.
constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// Reads a 16-colour tile sheet, 208 pixels wide and a positive multiple of 16 high (at
// most 2,520 rows of cells), from an indexed PNG held in memory: colour type 3 (palette)
// at 1, 2, 4 or 8 bits a pixel, interlaced or not, every index below 16. The palette is
// PLTE's first 16 entries (those it does not have are black); transparency and colour
// spaces are ignored. Throws RefusedError naming the file and the reason for anything
// else, and for a file that libpng finds damaged (a bad checksum or compressed data, a
// file cut short), giving libpng's reason.
//
// The Bitmap's headers hold what a PNG has of them: InfoHeader.Width and Height, Planes
// 1 and BitCount the PNG's bit depth; every other field, and the whole FileHeader, 0.
Bitmap DecodePngSheet(const std::uint8_t* bytes, std::size_t size, const std::string& name);

// The same reading of a file whose first `size` bytes, `head`, were read already: the rest
// is read from `rest`, on from its current place.
Bitmap ReadPngSheet(const std::uint8_t* head, std::size_t size, ByteFileReader& rest, const std::string& name);

}  // namespace mosalind
