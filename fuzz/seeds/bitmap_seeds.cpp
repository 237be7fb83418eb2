// Tile sheets, one file per layout the reader takes, all holding one 208 x 32 picture with
// solid runs, mixed pixels, stretches and a whole row of colour 0; and two files the reader
// takes as they stand: one cut short (missing pixels are 0) and one whose pixel offset
// field is 0 (the pixels follow the palette).
#include "dev_support/bmp_writer.h"
#include "seed_files.h"
#include "sheet_layouts.h"

namespace fuzzing {

namespace {

int SeedColour(int x, int y) {
    if (y % 16 == 5) {
        return 0;
    }
    if (x >= 100 && x < 120) {
        return 0;
    }
    if (y % 4 == 0) {
        return (x / 24 + y) % 16;  // solid runs
    }
    return (x * 7 + y * 3 + x * y) % 16;  // mixed pixels
}

dev_support::SheetPicture SeedPicture() {
    dev_support::SheetPicture picture{208, 32, SeedColour, {}};
    for (int i = 0; i < 16; ++i) {
        picture.Palette.push_back({static_cast<std::uint8_t>(i * 16), static_cast<std::uint8_t>(255 - i * 9),
                                   static_cast<std::uint8_t>(i * 5 + 40), 0});
    }
    return picture;
}

}  // namespace

void WriteBitmapSeeds(const std::filesystem::path& folder) {
    const dev_support::SheetPicture picture = SeedPicture();
    for (const SheetLayout& layout : SheetLayouts()) {
        WriteSeed(folder, layout.Name, dev_support::EncodeBmp(picture, layout.Layout));
    }
    const Bytes classic = dev_support::EncodeBmp(picture, SheetLayouts().front().Layout);
    WriteSeed(folder, "cut-short", Bytes(classic.begin(), classic.end() - 1000));
    Bytes zeroOffset = classic;
    PutLE32(zeroOffset, 10, 0);
    WriteSeed(folder, "offset-field-zero", zeroOffset);
}

}  // namespace fuzzing
