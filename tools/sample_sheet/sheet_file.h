// The sample sheet's files, written with dev_support's BMP and PNG writers, and the writing
// of the bytes.
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

// A BMP with the 16 colours, its rows uncompressed from the bottom row up.
std::vector<std::uint8_t> EncodeBitmap(const std::vector<Entry>& sheet, Layout layout);

// A 4-bit indexed PNG with the 16 colours, compressed at zlib's level 9.
std::vector<std::uint8_t> EncodePng(const std::vector<Entry>& sheet);

// Writes next to the target and renames, so a failed run never leaves a damaged sheet behind.
bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

}  // namespace sample_sheet
