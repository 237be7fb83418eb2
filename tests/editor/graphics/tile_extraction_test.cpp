// Where each pixel of every cell lands, in the buffer and in the planes, for pictures of all
// sixteen colours: CutTiles' tests; here the stored rows' order, the bits of single pixels
// and the refusals.
#include "graphics/tile_graphics.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/test_files.h"

namespace mosalind {
namespace {

using namespace dev_support;
using namespace testing_support;

// A bitmap as ReadBitmap gives it, built straight from the BMP bytes of the test support.
Bitmap SheetOf(int height, const PixelColour& colour) {
    const Bytes file = EncodeBmp(TestPicture(208, height, colour));
    Bitmap bitmap;
    bitmap.InfoHeader.Width = 208;
    bitmap.InfoHeader.Height = height;
    bitmap.InfoHeader.BitCount = 4;
    bitmap.Pixels.assign(file.begin() + 118, file.end());
    return bitmap;
}

TileGraphics EmptyPlanes(int cells) {
    TileGraphics graphics;
    graphics.BMPTileCount = static_cast<std::int16_t>(cells);
    graphics.TilePlanes.assign(static_cast<std::size_t>(cells) * 128, 0);
    return graphics;
}

TileBuffer BufferOf(const PixelColour& colour) {
    TileBuffer buffer{};
    for (int x = 0; x < 16; ++x) {
        for (int y = 0; y < 16; ++y) {
            buffer[16 * x + y] = static_cast<std::uint8_t>(colour(x, y));
        }
    }
    return buffer;
}

TEST(TileExtraction, Cell14OfA64PixelSheetStartsAtByte3336) {
    Bitmap bitmap = SheetOf(64, [](int, int) { return 0; });
    bitmap.Pixels[3336] = 0xB7;
    bitmap.Pixels[3336 + 104] = 0x40;  // one stored row up: the image row above
    TileBuffer buffer{};
    ExtractTile(bitmap, buffer, 1, 1);
    EXPECT_EQ(buffer[16 * 0 + 15], 0xB);
    EXPECT_EQ(buffer[16 * 1 + 15], 0x7);
    EXPECT_EQ(buffer[16 * 0 + 14], 0x4);
    EXPECT_EQ(buffer[16 * 2 + 15], 0);

    // The same pixel placed by image position: column 16, row 31 from the top.
    const Bitmap placed = SheetOf(64, [](int x, int y) { return x == 16 && y == 31 ? 13 : 0; });
    ExtractTile(placed, buffer, 1, 1);
    EXPECT_EQ(buffer[15], 13);
}

TEST(TileExtraction, RefusesCellsOutsideThePixelDataOrThePlanes) {
    const Bitmap bitmap = SheetOf(32, CellPatternColour);
    TileBuffer buffer{};
    EXPECT_NO_THROW(ExtractTile(bitmap, buffer, 12, 1));
    EXPECT_THROW(ExtractTile(bitmap, buffer, 13, 0), std::out_of_range);
    EXPECT_THROW(ExtractTile(bitmap, buffer, -1, 0), std::out_of_range);
    EXPECT_THROW(ExtractTile(bitmap, buffer, 0, 2), std::out_of_range);
    EXPECT_THROW(ExtractTile(bitmap, buffer, 0, -1), std::out_of_range);
    Bitmap shortPixels = bitmap;
    shortPixels.Pixels.resize(100);
    EXPECT_THROW(ExtractTile(shortPixels, buffer, 0, 0), std::out_of_range);

    TileGraphics graphics = EmptyPlanes(2);
    EXPECT_THROW(TileToPlanes(buffer, 2, graphics), std::out_of_range);
    EXPECT_THROW(TileToPlanes(buffer, -1, graphics), std::out_of_range);
}

TEST(TileExtraction, Colour13And15SetTheirPlaneBits) {
    TileGraphics graphics = EmptyPlanes(8);
    TileToPlanes(BufferOf([](int x, int y) { return x == 2 && y == 5 ? 13 : 0; }), 7, graphics);
    EXPECT_EQ(graphics.PlaneByte(0, 7, 10), 32);
    EXPECT_EQ(graphics.PlaneByte(1, 7, 10), 0);
    EXPECT_EQ(graphics.PlaneByte(2, 7, 10), 32);
    EXPECT_EQ(graphics.PlaneByte(3, 7, 10), 32);
    int setBytes = 0;
    for (std::uint8_t byte : graphics.TilePlanes) {
        setBytes += byte != 0;
    }
    EXPECT_EQ(setBytes, 3);

    TileGraphics other = EmptyPlanes(2);
    TileToPlanes(BufferOf([](int x, int y) { return x == 15 && y == 0 ? 15 : 0; }), 1, other);
    for (int plane = 0; plane < 4; ++plane) {
        EXPECT_EQ(other.PlaneByte(plane, 1, 1), 1);
        EXPECT_EQ(other.PlaneByte(plane, 1, 0), 0);
    }
}

}  // namespace
}  // namespace mosalind
