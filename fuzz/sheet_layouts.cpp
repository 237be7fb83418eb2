#include "sheet_layouts.h"

#include <algorithm>

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

const std::vector<PngSheetLayout>& PngSheetLayouts() {
    static const std::vector<PngSheetLayout> layouts = {
        {"1-bit", {.BitDepth = 1, .CompressionLevel = 9, .EveryFilter = true}, 0},
        {"2-bit", {.BitDepth = 2, .CompressionLevel = 9, .EveryFilter = true}, 0},
        {"4-bit", {.BitDepth = 4, .CompressionLevel = 9, .EveryFilter = true}, 0},
        {"8-bit-256-colours", {.BitDepth = 8, .CompressionLevel = 9, .EveryFilter = true}, 256},
        {"4-bit-interlaced", {.BitDepth = 4, .Interlaced = true, .CompressionLevel = 9, .EveryFilter = true}, 0},
        {"2-bit-interlaced", {.BitDepth = 2, .Interlaced = true, .CompressionLevel = 9, .EveryFilter = true}, 0},
        {"8-bit-interlaced", {.BitDepth = 8, .Interlaced = true, .CompressionLevel = 9, .EveryFilter = true}, 16},
        {"4-bit-short-palette", {.BitDepth = 4, .CompressionLevel = 9, .EveryFilter = true}, 9},
        {"4-bit-transparency-colour-space-text",
         {.BitDepth = 4, .CompressionLevel = 9, .EveryFilter = true, .AncillaryChunks = true},
         0},
    };
    return layouts;
}

bool PngLayoutFits(const dev_support::SheetPicture& picture, const PngSheetLayout& layout) {
    const int most = layout.Layout.BitDepth >= 4 ? 15 : (1 << layout.Layout.BitDepth) - 1;
    for (int y = 0; y < picture.Height; ++y) {
        for (int x = 0; x < picture.Width; ++x) {
            if (picture.Index(x, y) > most) {
                return false;
            }
        }
    }
    return true;
}

dev_support::SheetPicture WithPngPalette(dev_support::SheetPicture picture, const PngSheetLayout& layout) {
    const int entries = layout.PaletteEntries != 0 ? layout.PaletteEntries : std::min(16, 1 << layout.Layout.BitDepth);
    picture.Palette.resize(static_cast<std::size_t>(entries));
    for (int i = 16; i < entries; ++i) {
        const auto grey = static_cast<std::uint8_t>(i);
        picture.Palette[static_cast<std::size_t>(i)] = {grey, grey, grey, 0};
    }
    return picture;
}

}  // namespace fuzzing
