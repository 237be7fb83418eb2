#include "sheet_layouts.h"

namespace fuzzing {

const std::vector<SheetLayout>& SheetLayouts() {
    using dev_support::BmpCompression;
    static const std::vector<SheetLayout> layouts = {
        {"classic-4-bit", {.ColoursUsed = 0}},
        {"core-header-12", {.HeaderSize = 12}},
        {"header-52", {.HeaderSize = 52, .ColoursUsed = 0}},
        {"header-56", {.HeaderSize = 56, .ColoursUsed = 0}},
        {"header-108", {.HeaderSize = 108, .ColoursUsed = 0}},
        {"header-124", {.HeaderSize = 124, .ColoursUsed = 0}},
        {"eight-bit", {.BitsPerPixel = 8, .ColoursUsed = 0}},
        {"core-header-eight-bit", {.HeaderSize = 12, .BitsPerPixel = 8}},
        {"top-down", {.TopDown = true, .ColoursUsed = 0}},
        {"top-down-eight-bit", {.HeaderSize = 124, .BitsPerPixel = 8, .TopDown = true, .ColoursUsed = 16}},
        {"rle4", {.Compression = BmpCompression::kRle4, .ColoursUsed = 0, .RleMoves = false}},
        {"rle4-moves", {.Compression = BmpCompression::kRle4, .ColoursUsed = 0}},
        {"rle8", {.BitsPerPixel = 8, .Compression = BmpCompression::kRle8, .ColoursUsed = 16, .RleMoves = false}},
        {"rle8-moves", {.HeaderSize = 108, .BitsPerPixel = 8, .Compression = BmpCompression::kRle8, .ColoursUsed = 0}},
        {"short-palette", {.ColoursUsed = 5}},
        {"gap-before-pixels", {.ColoursUsed = 0, .GapBytes = 300}},
    };
    return layouts;
}

}  // namespace fuzzing
