#include "graphics/sheet_size_check.h"

#include "graphics/bitmap_refusal.h"
#include "graphics/tile_sheet_format.h"

namespace mosalind {

std::int32_t CheckSheetSize(const std::string& name, std::int64_t width, std::int64_t height) {
    if (width != kSheetWidth) {
        RefuseBitmap(name, "it is " + std::to_string(width) + " pixels wide, not " + std::to_string(kSheetWidth));
    }
    const std::int64_t rows = height < 0 ? -height : height;
    if (rows == 0 || rows % 16 != 0) {
        RefuseBitmap(name, "its height of " + std::to_string(height) +
                               " pixels is not a whole number of 16-pixel rows of cells");
    }
    if (rows / 16 > kMaxSheetCellRows) {
        RefuseBitmap(name, "its " + std::to_string(rows / 16) + " rows of cells exceed " +
                               std::to_string(kMaxSheetCellRows) + " (at most " + std::to_string(kMaxSheetCells) +
                               " cells)");
    }
    return static_cast<std::int32_t>(rows);
}

}  // namespace mosalind
