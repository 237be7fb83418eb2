// Indexed PNG tile sheets, one file per kind the reader takes (each bit depth, interlaced,
// a short and a long palette, ancillary chunks), all holding one 208 x 48 picture of
// solid runs, mixed pixels and a row of colour 0, in the colours each depth can hold.
#include "png_encoding.h"
#include "seed_files.h"

namespace fuzzing {

namespace {

int SeedColour(int x, int y) {
    if (y % 16 == 9) {
        return 0;
    }
    if (y % 3 == 0) {
        return (x / 13 + y) % 16;           // solid runs
    }
    return (x * 5 + y * 11 + x * y) % 16;  // mixed pixels
}

SheetPicture SeedPicture(int bitDepth) {
    const int colours = 1 << (bitDepth < 4 ? bitDepth : 4);
    SheetPicture picture;
    picture.rows = 48;
    for (int y = 0; y < picture.rows; ++y) {
        for (int x = 0; x < kSheetWidth; ++x) {
            picture.indices.push_back(static_cast<std::uint8_t>(SeedColour(x, y) % colours));
        }
    }
    for (int i = 0; i < 16; ++i) {
        picture.palette[static_cast<std::size_t>(i)] = {static_cast<std::uint8_t>(255 - i * 13),
                                                         static_cast<std::uint8_t>(i * 16),
                                                         static_cast<std::uint8_t>(i * 7 + 60), 0};
    }
    return picture;
}

}  // namespace

void WritePngSeeds(const std::filesystem::path& folder) {
    for (const PngLayout& layout : PngLayouts()) {
        WriteSeed(folder, layout.name, EncodePngSheet(SeedPicture(layout.bitDepth), layout));
    }
}

}  // namespace fuzzing
