#include "graphics/tile_graphics.h"

#include <gtest/gtest.h>

#include <utility>

#include "base/refused_error.h"
#include "support/test_files.h"
#include "support/tile_set_bytes.h"

namespace mosalind {
namespace {

using namespace dev_support;
using namespace testing_support;

// Different in every pixel, cell and row, so a swapped bit, byte, row or cell shows.
int Patterned(int x, int y) {
    return (x * 7 + y * 3 + (x / 16) * 5 + (y / 16) * 11 + x * y) % 16;
}

Bitmap ReadSheet(const TempDir& dir, int height, const PixelColour& colour) {
    WriteFileBytes(dir.File("sheet.bmp"), EncodeBmp(TestPicture(208, height, colour)));
    return ReadBitmap(dir.File("sheet.bmp"));
}

TEST(CutTiles, GivesTheIndependentlyComputedPlanesAndMatchesCellByCellConversion) {
    TempDir dir;
    const Bitmap bitmap = ReadSheet(dir, 160, Patterned);
    const TileGraphics cut = CutTiles(bitmap);

    ASSERT_EQ(cut.BMPTileCount, 130);
    EXPECT_TRUE(cut.TilePlanes == SheetPlanes(208, 160, Patterned));
    TileGraphics oneByOne;
    oneByOne.BMPTileCount = 130;
    oneByOne.TilePlanes.assign(130 * 128, 0);
    for (int cell = 0; cell < 130; ++cell) {
        TileBuffer buffer{};
        ExtractTile(bitmap, buffer, static_cast<std::int16_t>(cell % 13), static_cast<std::int16_t>(cell / 13));
        TileToPlanes(buffer, static_cast<std::int16_t>(cell), oneByOne);
    }
    EXPECT_TRUE(cut.TilePlanes == oneByOne.TilePlanes);
}

// Row numbers past 2047 put (row + 1) x 16 beyond 16 bits; the last cell must still come out.
TEST(CutTiles, TheTallestSheetCutsItsLastCellFromItsTopRows) {
    Bitmap bitmap;
    bitmap.InfoHeader.Width = 208;
    bitmap.InfoHeader.Height = 40320;
    bitmap.Pixels.assign(40320u * 104, 0);
    // The last cell row is the top of the image: stored rows 40319 down to 40304.
    const auto colour = [](int x, int y) { return y >= 40304 ? Patterned(x, y) : 0; };
    for (int y = 40304; y < 40320; ++y) {
        for (int x = 0; x < 208; ++x) {
            std::uint8_t& pair = bitmap.Pixels[static_cast<std::size_t>(40319 - y) * 104 + x / 2];
            pair = static_cast<std::uint8_t>(x % 2 == 0 ? (pair & 0x0F) | (colour(x, y) << 4)
                                                        : (pair & 0xF0) | colour(x, y));
        }
    }
    const TileGraphics cut = CutTiles(bitmap);
    ASSERT_EQ(cut.BMPTileCount, 32760);
    TileBuffer buffer{};
    ExtractTile(bitmap, buffer, 12, 2519);
    for (int x = 0; x < 16; ++x) {
        for (int y = 0; y < 16; ++y) {
            ASSERT_EQ(buffer[16 * x + y], Patterned(192 + x, 40304 + y));
        }
    }
    EXPECT_TRUE(cut.TilePlanes == SheetPlanes(208, 40320, colour));  // the last row of cells drawn, all others blank
}

TEST(CutTiles, RefusesBitmapsThatAreNotTileSheets) {
    Bitmap bitmap;
    bitmap.InfoHeader.Width = 208;
    bitmap.InfoHeader.Height = 32;
    bitmap.Pixels.assign(32 * 104 - 1, 0);
    EXPECT_THROW(CutTiles(bitmap), RefusedError);
    bitmap.Pixels.push_back(0);
    EXPECT_NO_THROW(CutTiles(bitmap));
    for (auto [width, height] : {std::pair{200, 32}, {208, 40}, {208, 0}, {208, -32}, {208, 40336}}) {
        Bitmap wrong = bitmap;
        wrong.InfoHeader.Width = width;
        wrong.InfoHeader.Height = height;
        EXPECT_THROW(CutTiles(wrong), RefusedError) << width << " x " << height;
    }
}

}  // namespace
}  // namespace mosalind
