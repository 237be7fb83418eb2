// Indexed PNG sheets read through ReadTileSheet: every accepted kind gives the pixels of
// the classic BMP of the same picture, and what is not a sheet, or damaged, is refused.
#include "graphics/tile_sheet_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <functional>

#include "base/refused_error.h"
#include "support/test_files.h"

namespace mosalind {
namespace {

using namespace dev_support;
using namespace testing_support;

// Where a chunk's type starts in a PNG file (its data follows 4 bytes later).
std::size_t ChunkType(const Bytes& png, const char* type) {
    const auto at = std::search(png.begin(), png.end(), type, type + 4);
    return static_cast<std::size_t>(at - png.begin());
}

// Sets the IHDR's height and brings the chunk's CRC up to date, as a writer would.
void SetHeaderHeight(Bytes& png, std::uint32_t height) {
    const std::size_t type = ChunkType(png, "IHDR");
    for (int i = 0; i < 4; ++i) {
        png[type + 8 + i] = static_cast<std::uint8_t>(height >> (24 - 8 * i));
    }
    const std::uint32_t crc = static_cast<std::uint32_t>(crc32(0, png.data() + type, 4 + 13));
    for (int i = 0; i < 4; ++i) {
        png[type + 17 + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
    }
}

TEST(PngSheetReader, EveryBitDepthInterlacedOrNotGivesTheClassicPixels) {
    TempDir dir;
    struct Case {
        int BitDepth;
        int PaletteEntries;
    } cases[] = {{1, 2}, {2, 4}, {4, 16}, {4, 9}, {8, 16}, {8, 200}};
    for (const Case& c : cases) {
        // A picture in the colours the depth can hold, and never more than 16.
        const int colours = 1 << std::min(c.BitDepth, 4);
        const PixelColour colour = [colours](int x, int y) { return CellPatternColour(x, y) % colours; };
        WriteFileBytes(dir.File("classic.bmp"), EncodeBmp(TestPicture(208, 48, colour)));
        const Bitmap classic = ReadTileSheet(dir.File("classic.bmp"));
        for (const bool interlaced : {false, true}) {
            const std::string label = std::to_string(c.BitDepth) + "-bit, " + std::to_string(c.PaletteEntries) +
                                      " entries" + (interlaced ? ", interlaced" : "");
            const Bytes png = EncodePng(TestPicture(208, 48, colour, c.PaletteEntries),
                                        {.BitDepth = c.BitDepth, .Interlaced = interlaced});
            WriteFileBytes(dir.File("sheet.png"), png);
            const Bitmap read = ReadTileSheet(dir.File("sheet.png"));
            EXPECT_TRUE(read.Pixels == classic.Pixels) << label;
            EXPECT_TRUE(DecodeTileSheet(png.data(), png.size(), "sheet.png").Pixels == classic.Pixels) << label;
            EXPECT_EQ(read.InfoHeader.Width, 208) << label;
            EXPECT_EQ(read.InfoHeader.Height, 48) << label;
            EXPECT_EQ(read.InfoHeader.BitCount, c.BitDepth) << label;
            ASSERT_EQ(read.Palette.size(), 16u) << label;
            for (int i = 0; i < 16; ++i) {
                const PaletteEntry expected = i < c.PaletteEntries ? TestPaletteColour(i) : PaletteEntry{};
                EXPECT_EQ(read.Palette[i].Red, expected.Red) << label << " entry " << i;
                EXPECT_EQ(read.Palette[i].Green, expected.Green) << label << " entry " << i;
                EXPECT_EQ(read.Palette[i].Blue, expected.Blue) << label << " entry " << i;
            }
        }
    }
}

TEST(PngSheetReader, RefusesWhatIsNotAnIndexedSheetAndDamagedFiles) {
    TempDir dir;
    const PixelColour pattern = CellPatternColour;
    const Bytes good = EncodePng(TestPicture(208, 32, pattern));
    const std::size_t idat = ChunkType(good, "IDAT");

    Bytes crcError = good;  // the image data as written, its checksum not
    const std::size_t idatLength =
        (std::size_t{good[idat - 4]} << 24) | (good[idat - 3] << 16) | (good[idat - 2] << 8) | good[idat - 1];
    crcError[idat + 4 + idatLength] ^= 0x01;
    Bytes tooTall = good;
    SetHeaderHeight(tooTall, 40336);
    Bytes hugeHeight = good;
    SetHeaderHeight(hugeHeight, 0x7FFFFFF0);
    const PixelColour index16At5And7 = [](int x, int y) {
        return x == 5 && y == 7 ? 16 : (x == 9 && y == 20 ? 99 : 3);
    };

    const std::pair<Bytes, std::string> cases[] = {
        {EncodePng(TestPicture(208, 32, pattern), {.ColourType = 0, .BitDepth = 8}),
         "it is a greyscale PNG; save the sheet as an indexed PNG of at most 16 colours"},
        {EncodePng(TestPicture(208, 32, pattern), {.ColourType = 2, .BitDepth = 8}),
         "it is a true-colour (RGB) PNG; save the sheet as an indexed PNG of at most 16 colours"},
        {EncodePng(TestPicture(208, 32, pattern), {.ColourType = 4, .BitDepth = 8}),
         "it is a greyscale PNG with an alpha channel; save the sheet as an indexed PNG of at most 16 colours"},
        {EncodePng(TestPicture(208, 32, pattern), {.ColourType = 6, .BitDepth = 8, .Interlaced = true}),
         "it is a true-colour PNG with an alpha channel; save the sheet as an indexed PNG of at most 16 colours"},
        {EncodePng(TestPicture(208, 32, index16At5And7, 256), {.BitDepth = 8}),
         "the pixel at x 5, y 7 has colour 16; an 8-bit sheet may use colours 0 to 15 only"},
        {EncodePng(TestPicture(224, 32, pattern)), "it is 224 pixels wide, not 208"},
        {EncodePng(TestPicture(208, 40, pattern), {.Interlaced = true}),
         "its height of 40 pixels is not a whole number of 16-pixel rows of cells"},
        {tooTall, "its 2521 rows of cells exceed 2520 (at most 32767 cells)"},
        {hugeHeight, "its 134217727 rows of cells exceed 2520 (at most 32767 cells)"},
        {Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(idat + 100)),
         "its PNG data is damaged: the file ends early"},
        {Bytes(good.begin(), good.begin() + 5), "its PNG data is damaged: the file ends early"},
        {crcError, "its PNG data is damaged: IDAT: CRC error"},
    };
    for (const auto& [bytes, says] : cases) {
        WriteFileBytes(dir.File("bad.png"), bytes);
        EXPECT_THAT(
            [&] { ReadTileSheet(dir.File("bad.png")); },
            testing::ThrowsMessage<RefusedError>(dir.File("bad.png") + " is not a 16-colour tile bitmap: " + says));
    }
}

}  // namespace
}  // namespace mosalind
