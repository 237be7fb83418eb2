// Indexed PNG sheets read through ReadTileSheet: every accepted kind gives the pixels of
// the classic BMP of the same picture, and what is not a sheet, or damaged, is refused.
#include "graphics/tile_sheet_reader.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <functional>

#include "document/refused_error.h"
#include "support/png_files.h"
#include "support/test_files.h"

namespace mosalind {
namespace {

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
        int bitDepth;
        int paletteEntries;
    } cases[] = {{1, 2}, {2, 4}, {4, 16}, {4, 9}, {8, 16}, {8, 200}};
    for (const Case& c : cases) {
        // A picture in the colours the depth can hold, and never more than 16.
        const int colours = 1 << std::min(c.bitDepth, 4);
        const PixelColour colour = [colours](int x, int y) { return CellPatternColour(x, y) % colours; };
        WriteFileBytes(dir.file("classic.bmp"), Build16ColourBitmap(208, 48, colour));
        const Bitmap classic = ReadTileSheet(dir.file("classic.bmp"));
        for (const bool interlaced : {false, true}) {
            const std::string label = std::to_string(c.bitDepth) + "-bit, " + std::to_string(c.paletteEntries) +
                                      " entries" + (interlaced ? ", interlaced" : "");
            const Bytes png = BuildPng({208, 48, 3, c.bitDepth, interlaced, c.paletteEntries, colour});
            WriteFileBytes(dir.file("sheet.png"), png);
            const Bitmap read = ReadTileSheet(dir.file("sheet.png"));
            EXPECT_TRUE(read.Pixels == classic.Pixels) << label;
            EXPECT_TRUE(DecodeTileSheet(png.data(), png.size(), "sheet.png").Pixels == classic.Pixels) << label;
            EXPECT_EQ(read.InfoHeader.Width, 208) << label;
            EXPECT_EQ(read.InfoHeader.Height, 48) << label;
            EXPECT_EQ(read.InfoHeader.BitCount, c.bitDepth) << label;
            ASSERT_EQ(read.Palette.size(), 16u) << label;
            for (int i = 0; i < 16; ++i) {
                const PaletteColour expected = i < c.paletteEntries ? TestPaletteColour(i) : PaletteColour{0, 0, 0};
                EXPECT_EQ(read.Palette[i].Red, expected.red) << label << " entry " << i;
                EXPECT_EQ(read.Palette[i].Green, expected.green) << label << " entry " << i;
                EXPECT_EQ(read.Palette[i].Blue, expected.blue) << label << " entry " << i;
            }
        }
    }
}

TEST(PngSheetReader, RefusesWhatIsNotAnIndexedSheetAndDamagedFiles) {
    TempDir dir;
    const PixelColour pattern = CellPatternColour;
    const Bytes good = BuildPng({208, 32, 3, 4, false, 16, pattern});
    const std::size_t idat = ChunkType(good, "IDAT");

    Bytes crcError = good;  // the image data as written, its checksum not
    const std::size_t idatLength = (std::size_t{good[idat - 4]} << 24) | (good[idat - 3] << 16) |
                                   (good[idat - 2] << 8) | good[idat - 1];
    crcError[idat + 4 + idatLength] ^= 0x01;
    Bytes tooTall = good;
    SetHeaderHeight(tooTall, 40336);
    Bytes hugeHeight = good;
    SetHeaderHeight(hugeHeight, 0x7FFFFFF0);
    const PixelColour index16At5And7 = [](int x, int y) { return x == 5 && y == 7 ? 16 : (x == 9 && y == 20 ? 99 : 3); };

    const std::pair<Bytes, std::string> cases[] = {
        {BuildPng({208, 32, 0, 8, false, 0, pattern}),
         "it is a greyscale PNG; save the sheet as an indexed PNG of at most 16 colours"},
        {BuildPng({208, 32, 2, 8, false, 0, pattern}),
         "it is a true-colour (RGB) PNG; save the sheet as an indexed PNG of at most 16 colours"},
        {BuildPng({208, 32, 4, 8, false, 0, pattern}),
         "it is a greyscale PNG with an alpha channel; save the sheet as an indexed PNG of at most 16 colours"},
        {BuildPng({208, 32, 6, 8, true, 0, pattern}),
         "it is a true-colour PNG with an alpha channel; save the sheet as an indexed PNG of at most 16 colours"},
        {BuildPng({208, 32, 3, 8, false, 256, index16At5And7}),
         "the pixel at x 5, y 7 has colour 16; an 8-bit sheet may use colours 0 to 15 only"},
        {BuildPng({224, 32, 3, 4, false, 16, pattern}), "it is 224 pixels wide, not 208"},
        {BuildPng({208, 40, 3, 4, true, 16, pattern}),
         "its height of 40 pixels is not a whole number of 16-pixel rows of cells"},
        {tooTall, "its 2521 rows of cells exceed 2520 (at most 32767 cells)"},
        {hugeHeight, "its 134217727 rows of cells exceed 2520 (at most 32767 cells)"},
        {Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(idat + 100)),
         "its PNG data is damaged: the file ends early"},
        {Bytes(good.begin(), good.begin() + 5), "its PNG data is damaged: the file ends early"},
        {crcError, "its PNG data is damaged: IDAT: CRC error"},
    };
    for (const auto& [bytes, says] : cases) {
        WriteFileBytes(dir.file("bad.png"), bytes);
        try {
            ReadTileSheet(dir.file("bad.png"));
            ADD_FAILURE() << says;
        } catch (const RefusedError& error) {
            EXPECT_EQ(std::string(error.what()), dir.file("bad.png") + " is not a 16-colour tile bitmap: " + says);
        }
    }
}

}  // namespace
}  // namespace mosalind
