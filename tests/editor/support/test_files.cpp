#include "support/test_files.h"

namespace testing_support {

dev_support::PaletteEntry TestPaletteColour(int index) {
    // Sixteen clearly different colours (blue, green, red), none of them grey twins of another.
    static const dev_support::PaletteEntry colours[16] = {
        {0, 0, 0},     {0, 0, 170},     {0, 170, 0},    {170, 170, 0},  {170, 0, 0},   {170, 0, 170},
        {0, 85, 170},  {170, 170, 170}, {85, 85, 85},   {255, 85, 85},  {85, 255, 85}, {255, 255, 85},
        {85, 85, 255}, {255, 85, 255},  {85, 255, 255}, {255, 255, 255}};
    return colours[index & 15];
}

dev_support::SheetPicture TestPicture(int width, int height, const PixelColour& colour, int paletteEntries) {
    dev_support::SheetPicture picture{width, height, colour, {}};
    for (int i = 0; i < paletteEntries; ++i) {
        picture.Palette.push_back(TestPaletteColour(i));
    }
    return picture;
}

int CellPatternColour(int x, int y) {
    const int cell = (y / 16) * 13 + (x / 16);
    return (x % 16) < 8 ? (cell % 15) + 1 : (cell / 15) % 16;
}

int VariantPictureColour(int x, int y) {
    if (y % 16 == 5 || (x >= 117 && x < 140)) {
        return 0;
    }
    if (x < 48) {
        return (y / 4 + x / 16) % 16;
    }
    if (x < 64) {
        return (x % 2 == 0) ? y % 16 : (y + 7) % 16;
    }
    return (x * 3 + y * 5) % 16;
}

dev_support::SheetPicture VariantPicture() {
    return TestPicture(208, kVariantPictureHeight, VariantPictureColour);
}

}  // namespace testing_support
