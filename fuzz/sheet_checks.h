// What the two tile sheet targets (BMP and PNG) check alike.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "graphics/bitmap_reader.h"

namespace fuzzing {

// Whether two read sheets are the same: headers, palette and pixels; or the palettes alone.
bool SameSheet(const mosalind::Bitmap& a, const mosalind::Bitmap& b);
bool SamePalette(const mosalind::Bitmap& a, const mosalind::Bitmap& b);

using SheetDecoder = mosalind::Bitmap (*)(const std::uint8_t* bytes, std::size_t size, const std::string& name);
using SheetFileReader = mosalind::Bitmap (*)(const std::string& path);

// Decodes the bytes in memory; a refusal, which must be a RefusedError of one line naming
// the file, goes into `refusal`. Returns whether the sheet was accepted, filling `sheet`.
bool DecodeSheet(SheetDecoder decode, const std::uint8_t* data, std::size_t size, const std::string& name,
                 mosalind::Bitmap& sheet, std::string& refusal);

// Decodes the bytes in memory, writes them to `path` and reads that file, and checks that
// both give the same sheet or the same refusal, a RefusedError of one line naming the file.
// Returns whether the sheet was accepted, filling `sheet`.
bool DecodeAndReadAgree(SheetDecoder decode, SheetFileReader read, const std::uint8_t* data, std::size_t size,
                        const std::string& path, mosalind::Bitmap& sheet);

// The checks every accepted sheet meets: 208 pixels wide, 1 to 2,520 rows of cells, 16
// palette entries, 104 bytes of pixels a row.
void CheckSheetShape(const mosalind::Bitmap& sheet);

// A number from the input's bytes, to pick one of several ways to check it while fuzzing.
std::uint32_t InputHash(const std::uint8_t* data, std::size_t size);

}  // namespace fuzzing
