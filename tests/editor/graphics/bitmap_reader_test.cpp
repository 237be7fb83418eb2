#include "graphics/bitmap_reader.h"

#include <gtest/gtest.h>

#include "document/refused_error.h"
#include "support/test_files.h"

namespace mosalind {
namespace {

using namespace testing_support;

int Diagonal(int x, int y) {
    return (x + 2 * y) % 16;
}

TEST(BitmapReader, ReadsHeadersPaletteAndPixelsFromByte118) {
    TempDir dir;
    const Bytes file = Build16ColourBitmap(208, 32, Diagonal);
    WriteFileBytes(dir.file("s.bmp"), file);

    const Bitmap bitmap = ReadBitmap(dir.file("s.bmp"));

    EXPECT_EQ(bitmap.FileHeader.Type, 0x4D42);
    EXPECT_EQ(bitmap.FileHeader.Size, static_cast<std::int32_t>(file.size()));
    EXPECT_EQ(bitmap.FileHeader.OffBits, 118);
    EXPECT_EQ(bitmap.InfoHeader.Size, 40);
    EXPECT_EQ(bitmap.InfoHeader.Width, 208);
    EXPECT_EQ(bitmap.InfoHeader.Height, 32);
    EXPECT_EQ(bitmap.InfoHeader.Planes, 1);
    EXPECT_EQ(bitmap.InfoHeader.BitCount, 4);
    EXPECT_EQ(bitmap.InfoHeader.SizeImage, 3328);
    EXPECT_EQ(bitmap.InfoHeader.XPelsPerMeter, 2835);
    EXPECT_EQ(bitmap.InfoHeader.ClrUsed, 16);
    ASSERT_EQ(bitmap.Palette.size(), 16u);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(bitmap.Palette[i].Blue, TestPaletteColour(i).blue);
        EXPECT_EQ(bitmap.Palette[i].Green, TestPaletteColour(i).green);
        EXPECT_EQ(bitmap.Palette[i].Red, TestPaletteColour(i).red);
    }
    EXPECT_EQ(bitmap.Pixels, Bytes(file.begin() + 118, file.end()));
    // The bottom image row is stored first; its left pixel is in the high nibble.
    EXPECT_EQ(bitmap.Pixels[0] >> 4, Diagonal(0, 31));
    EXPECT_EQ(bitmap.Pixels[0] & 15, Diagonal(1, 31));
}

TEST(BitmapReader, ImageSizeFieldAndPixelOffsetDoNotChangeThePixels) {
    TempDir dir;
    const Bytes exact = Build16ColourBitmap(208, 48, Diagonal);
    Bytes zeroField = Build16ColourBitmap(208, 48, Diagonal, 0);
    PutLE32(zeroField, 10, 4000);  // a pixel-data offset the reader does not consult
    Bytes hugeField = Build16ColourBitmap(208, 48, Diagonal, 0x7FFFFFFF);
    WriteFileBytes(dir.file("exact.bmp"), exact);
    WriteFileBytes(dir.file("zero.bmp"), zeroField);
    WriteFileBytes(dir.file("huge.bmp"), hugeField);

    const Bitmap fromExact = ReadBitmap(dir.file("exact.bmp"));
    const Bitmap fromZero = ReadBitmap(dir.file("zero.bmp"));
    const Bitmap fromHuge = ReadBitmap(dir.file("huge.bmp"));
    EXPECT_EQ(fromZero.Pixels, fromExact.Pixels);
    EXPECT_EQ(fromZero.InfoHeader.SizeImage, 48 * 104);
    EXPECT_EQ(fromHuge.Pixels, fromExact.Pixels);
    EXPECT_EQ(fromHuge.InfoHeader.SizeImage, 0x7FFFFFFF);
}

TEST(BitmapReader, BytesMissingAtTheEndStayZero) {
    TempDir dir;
    const Bytes full = Build16ColourBitmap(208, 32, [](int, int) { return 9; });
    WriteFileBytes(dir.file("cut.bmp"), Bytes(full.begin(), full.begin() + 118 + 1000));
    WriteFileBytes(dir.file("headers.bmp"), Bytes(full.begin(), full.begin() + 60));

    const Bitmap cut = ReadBitmap(dir.file("cut.bmp"));
    ASSERT_EQ(cut.Pixels.size(), 3328u);
    EXPECT_EQ(Bytes(cut.Pixels.begin(), cut.Pixels.begin() + 1000), Bytes(1000, 0x99));
    EXPECT_EQ(Bytes(cut.Pixels.begin() + 1000, cut.Pixels.end()), Bytes(2328, 0));

    const Bitmap headersOnly = ReadBitmap(dir.file("headers.bmp"));
    EXPECT_EQ(headersOnly.Palette[1].Blue, TestPaletteColour(1).blue);
    EXPECT_EQ(headersOnly.Palette[2].Green, 0);
    EXPECT_EQ(headersOnly.Pixels, Bytes(3328, 0));
}

TEST(BitmapReader, AcceptsTheTallestSheet) {
    TempDir dir;
    Bytes headers = Build16ColourBitmap(208, 16, Diagonal);
    PutLE32(headers, 22, 40320);  // 2520 rows of cells, 32,760 cells; the pixels are missing
    WriteFileBytes(dir.file("tall.bmp"), headers);
    const Bitmap bitmap = ReadBitmap(dir.file("tall.bmp"));
    EXPECT_EQ(bitmap.Pixels.size(), 40320u * 104);
}

TEST(BitmapReader, RefusesWhatIsNotATileSheet) {
    TempDir dir;
    const Bytes good = Build16ColourBitmap(208, 16, Diagonal);
    struct Case {
        std::size_t at;
        int width;  // 2 or 4 bytes
        std::uint32_t value;
        const char* says;
    } cases[] = {
        {0, 2, 0x4142, "does not start with \"BM\""},
        {14, 4, 108, "information header is 108 bytes long, not 40"},
        {30, 4, 2, "compressed (compression 2)"},
        {28, 2, 8, "8 bits per pixel, not 4"},
        {28, 2, 24, "24 bits per pixel"},
        {18, 4, 224, "224 pixels wide, not 208"},
        {22, 4, static_cast<std::uint32_t>(-16), "height of -16 pixels is not a positive multiple of 16"},
        {22, 4, 0, "height of 0 pixels"},
        {22, 4, 40, "height of 40 pixels"},
        {22, 4, 40336, "2521 rows of cells exceed 2520"},
        {22, 4, 0x7FFFFFF0, "rows of cells exceed"},
    };
    for (const Case& c : cases) {
        Bytes file = good;
        if (c.width == 2) {
            PutLE16(file, c.at, static_cast<std::uint16_t>(c.value));
        } else {
            PutLE32(file, c.at, c.value);
        }
        WriteFileBytes(dir.file("bad.bmp"), file);
        try {
            ReadBitmap(dir.file("bad.bmp"));
            ADD_FAILURE() << c.says;
        } catch (const RefusedError& error) {
            const std::string message = error.what();
            EXPECT_EQ(message.rfind(dir.file("bad.bmp") + " is not a 16-colour tile bitmap: ", 0), 0u) << message;
            EXPECT_NE(message.find(c.says), std::string::npos) << message;
        }
    }
}

TEST(BitmapReader, RefusesShortAndUnreadableFiles) {
    TempDir dir;
    const Bytes good = Build16ColourBitmap(208, 16, Diagonal);
    WriteFileBytes(dir.file("short.bmp"), Bytes(good.begin(), good.begin() + 53));
    try {
        ReadBitmap(dir.file("short.bmp"));
        ADD_FAILURE();
    } catch (const RefusedError& error) {
        EXPECT_EQ(std::string(error.what()),
                  dir.file("short.bmp") +
                      " is not a 16-colour tile bitmap: it is 53 bytes long, shorter than the 54 bytes of its two headers");
    }
    try {
        ReadBitmap(dir.file("none.bmp"));
        ADD_FAILURE();
    } catch (const RefusedError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open " + dir.file("none.bmp") + ": No such file or directory");
    }
    EXPECT_THROW(ReadBitmap(dir.path().string()), RefusedError);
}

}  // namespace
}  // namespace mosalind
