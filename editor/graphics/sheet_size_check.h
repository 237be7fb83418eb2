#pragma once

#include <cstdint>
#include <string>

namespace mosalind {

// Checks a sheet file's size, whatever its format: 208 pixels wide and a positive whole
// number of 16-pixel rows of cells, at most 2,520 of them. `height` is the file's own
// height field (a BMP's may be negative for rows stored top first). Returns the number of
// pixel rows; throws RefusedError naming the file otherwise.
std::int32_t CheckSheetSize(const std::string& name, std::int64_t width, std::int64_t height);

}  // namespace mosalind
