// Indexed PNG tile sheets, one file per kind the reader takes (each bit depth, interlaced,
// a short and a long palette, ancillary chunks), all holding one 208 x 48 picture of
// solid runs, mixed pixels and a row of colour 0, in the colours each depth can hold.
#include "dev_support/png_writer.h"
#include "seed_files.h"
#include "sheet_layouts.h"

namespace fuzzing {

namespace {

int SeedColour(int x, int y) {
    if (y % 16 == 9) {
        return 0;
    }
    if (y % 3 == 0) {
        return (x / 13 + y) % 16;  // solid runs
    }
    return (x * 5 + y * 11 + x * y) % 16;  // mixed pixels
}

dev_support::SheetPicture SeedPicture(int bitDepth) {
    const int colours = 1 << (bitDepth < 4 ? bitDepth : 4);
    dev_support::SheetPicture picture{208, 48, [colours](int x, int y) { return SeedColour(x, y) % colours; }, {}};
    for (int i = 0; i < 16; ++i) {
        picture.Palette.push_back({static_cast<std::uint8_t>(255 - i * 13), static_cast<std::uint8_t>(i * 16),
                                   static_cast<std::uint8_t>(i * 7 + 60), 0});
    }
    return picture;
}

}  // namespace

void WritePngSeeds(const std::filesystem::path& folder) {
    for (const PngSheetLayout& layout : PngSheetLayouts()) {
        const dev_support::SheetPicture picture = WithPngPalette(SeedPicture(layout.Layout.BitDepth), layout);
        WriteSeed(folder, layout.Name, dev_support::EncodePng(picture, layout.Layout));
    }
}

}  // namespace fuzzing
