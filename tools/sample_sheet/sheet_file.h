// The sample sheet's files: the BMP and PNG encoders and the writing of the bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "sample_sheet/sheet.h"

namespace sample_sheet {

// The sheet's file layouts: the classic 4-bit file with a 40-byte information header, the
// same with the 124-byte header that paint programs write by default, an 8-bit file that
// uses colours 0 to 15 of a 16-entry palette, and a 4-bit indexed PNG.
enum class Layout { Classic, Header124, EightBit, Png };

// A BMP: file header, information header, the palette, then the pixel rows from the bottom
// row up; with 4 bits, two pixels a byte with the left pixel in the high half.
std::vector<std::uint8_t> EncodeBitmap(const std::vector<Entry>& sheet, Layout layout);

// A 4-bit indexed PNG: the palette, then the rows from the top, two pixels a byte with the
// left pixel in the high half.
std::vector<std::uint8_t> EncodePng(const std::vector<Entry>& sheet);

// Writes next to the target and renames, so a failed run never leaves a damaged sheet behind.
bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

}  // namespace sample_sheet
