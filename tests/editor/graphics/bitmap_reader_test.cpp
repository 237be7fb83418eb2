#include "graphics/bitmap_reader.h"

#include <gtest/gtest.h>

#include "base/refused_error.h"
#include "support/test_files.h"

namespace mosalind {
namespace {

using namespace dev_support;
using namespace testing_support;

int Diagonal(int x, int y) {
    return (x + 2 * y) % 16;
}

// Writes `values` over the bytes from `at` on.
void Overwrite(Bytes& bytes, std::size_t at, std::initializer_list<int> values) {
    for (int v : values) {
        bytes.at(at++) = static_cast<std::uint8_t>(v);
    }
}

// What reading the file says: the refusal, or "(read)"; with `bytes`, written to bad.bmp first.
std::string RefusalOf(const std::string& path) {
    try {
        ReadBitmap(path);
    } catch (const RefusedError& error) {
        return error.what();
    }
    return "(read)";
}
std::string Refusal(const TempDir& dir, const Bytes& bytes) {
    WriteFileBytes(dir.File("bad.bmp"), bytes);
    return RefusalOf(dir.File("bad.bmp"));
}

TEST(BitmapReader, ReadsHeadersPaletteAndPixelsFromByte118) {
    TempDir dir;
    const Bytes file = EncodeBmp(TestPicture(208, 32, Diagonal));
    WriteFileBytes(dir.File("s.bmp"), file);

    const Bitmap bitmap = ReadBitmap(dir.File("s.bmp"));

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
        EXPECT_EQ(bitmap.Palette[i].Blue, TestPaletteColour(i).Blue);
        EXPECT_EQ(bitmap.Palette[i].Green, TestPaletteColour(i).Green);
        EXPECT_EQ(bitmap.Palette[i].Red, TestPaletteColour(i).Red);
    }
    EXPECT_EQ(bitmap.Pixels, Bytes(file.begin() + 118, file.end()));
    // The bottom image row is stored first; its left pixel is in the high nibble.
    EXPECT_EQ(bitmap.Pixels[0] >> 4, Diagonal(0, 31));
    EXPECT_EQ(bitmap.Pixels[0] & 15, Diagonal(1, 31));
}

TEST(BitmapReader, ImageSizeFieldAndAnOffsetInsideThePaletteDoNotChangeThePixels) {
    TempDir dir;
    WriteFileBytes(dir.File("exact.bmp"), EncodeBmp(TestPicture(208, 48, Diagonal)));
    const Bitmap exact = ReadBitmap(dir.File("exact.bmp"));
    // An offset before the palette's end, or 0: the pixels follow the palette.
    for (const auto& [sizeField, offset] : {std::pair<std::uint32_t, std::uint32_t>{0, 54}, {0x7FFFFFFF, 0}}) {
        Bytes file = EncodeBmp(TestPicture(208, 48, Diagonal), {.ImageSizeField = sizeField});
        PutLE32(file, 10, offset);
        WriteFileBytes(dir.File("odd.bmp"), file);
        const Bitmap odd = ReadBitmap(dir.File("odd.bmp"));
        EXPECT_EQ(odd.Pixels, exact.Pixels) << sizeField;
        EXPECT_EQ(static_cast<std::uint32_t>(odd.InfoHeader.SizeImage), sizeField == 0 ? 48 * 104 : sizeField);
    }
}

// Every layout read gives the pixels of the classic file of the same picture.
TEST(BitmapReader, IndexedLayoutsGiveTheClassicPixels) {
    TempDir dir;
    WriteFileBytes(dir.File("classic.bmp"), EncodeBmp(TestPicture(208, kVariantPictureHeight, VariantPictureColour)));
    const Bitmap classic = ReadBitmap(dir.File("classic.bmp"));
    struct Variant {
        const char* Name;
        BmpLayout Layout;
    };
    const Variant variants[] = {
        {"core header", {.HeaderSize = 12}},
        {"core header, 8-bit", {.HeaderSize = 12, .BitsPerPixel = 8}},
        {"52-byte header", {.HeaderSize = 52, .ColoursUsed = 0}},
        {"56-byte header", {.HeaderSize = 56, .ColoursUsed = 0}},
        {"108-byte header", {.HeaderSize = 108, .ColoursUsed = 0}},
        {"124-byte header", {.HeaderSize = 124, .ColoursUsed = 0}},
        {"124-byte header, 8-bit", {.HeaderSize = 124, .BitsPerPixel = 8, .ColoursUsed = 0}},
        {"8-bit", {.BitsPerPixel = 8, .ColoursUsed = 0}},
        {"8-bit, 16 colours used", {.BitsPerPixel = 8, .ColoursUsed = 16}},
        {"top-down", {.TopDown = true, .ColoursUsed = 0}},
        {"top-down 8-bit, 124-byte header", {.HeaderSize = 124, .BitsPerPixel = 8, .TopDown = true, .ColoursUsed = 0}},
        {"RLE4", {.Compression = BmpCompression::kRle4, .ColoursUsed = 0}},
        {"RLE8", {.BitsPerPixel = 8, .Compression = BmpCompression::kRle8, .ColoursUsed = 0}},
        {"RLE8, 124-byte header, 16 colours",
         {.HeaderSize = 124, .BitsPerPixel = 8, .Compression = BmpCompression::kRle8, .ColoursUsed = 16}},
        {"short palette", {.ColoursUsed = 5}},
        {"gap before the pixels", {.ColoursUsed = 0, .GapBytes = 300}},
        {"RLE4 after a gap",
         {.HeaderSize = 108, .Compression = BmpCompression::kRle4, .ColoursUsed = 0, .GapBytes = 7}},
        {"offset field 0", {.BitsPerPixel = 8, .ColoursUsed = 0, .OffsetField = 0}},
    };
    for (const Variant& variant : variants) {
        WriteFileBytes(dir.File("variant.bmp"), EncodeBmp(VariantPicture(), variant.Layout));
        const Bitmap read = ReadBitmap(dir.File("variant.bmp"));
        EXPECT_EQ(read.InfoHeader.Height, kVariantPictureHeight) << variant.Name;
        EXPECT_TRUE(read.Pixels == classic.Pixels) << variant.Name;
        ASSERT_EQ(read.Palette.size(), 16u) << variant.Name;
        const int entries = variant.Layout.ColoursUsed == 0 ? 16 : variant.Layout.ColoursUsed;
        for (int i = 0; i < 16; ++i) {
            const PaletteEntry expected = i < entries ? TestPaletteColour(i) : PaletteEntry{};
            EXPECT_EQ(read.Palette[i].Red, expected.Red) << variant.Name << " entry " << i;
            EXPECT_EQ(read.Palette[i].Green, expected.Green) << variant.Name << " entry " << i;
            EXPECT_EQ(read.Palette[i].Blue, expected.Blue) << variant.Name << " entry " << i;
        }
    }
}

TEST(BitmapReader, BytesMissingAtTheEndStayZero) {
    TempDir dir;
    const Bytes full = EncodeBmp(TestPicture(208, 32, [](int, int) { return 9; }));
    WriteFileBytes(dir.File("cut.bmp"), Bytes(full.begin(), full.begin() + 118 + 1000));
    WriteFileBytes(dir.File("headers.bmp"), Bytes(full.begin(), full.begin() + 60));

    const Bitmap cut = ReadBitmap(dir.File("cut.bmp"));
    ASSERT_EQ(cut.Pixels.size(), 3328u);
    EXPECT_EQ(Bytes(cut.Pixels.begin(), cut.Pixels.begin() + 1000), Bytes(1000, 0x99));
    EXPECT_EQ(Bytes(cut.Pixels.begin() + 1000, cut.Pixels.end()), Bytes(2328, 0));

    const Bitmap headersOnly = ReadBitmap(dir.File("headers.bmp"));
    EXPECT_EQ(headersOnly.Palette[1].Blue, TestPaletteColour(1).Blue);
    EXPECT_EQ(headersOnly.Palette[2].Green, 0);
    EXPECT_EQ(headersOnly.Pixels, Bytes(3328, 0));
}

TEST(BitmapReader, AcceptsTheTallestSheet) {
    TempDir dir;
    Bytes headers = EncodeBmp(TestPicture(208, 16, Diagonal));
    PutLE32(headers, 22, 40320);  // 2520 rows of cells, 32,760 cells; the pixels are missing
    WriteFileBytes(dir.File("tall.bmp"), headers);
    const Bitmap bitmap = ReadBitmap(dir.File("tall.bmp"));
    EXPECT_EQ(bitmap.Pixels.size(), 40320u * 104);
}

TEST(BitmapReader, RefusesWhatIsNotATileSheet) {
    TempDir dir;
    const Bytes good = EncodeBmp(TestPicture(208, 16, Diagonal));
    struct Case {
        std::size_t At;
        int Width;  // 2 or 4 bytes
        std::uint32_t Value;
        const char* Says;
    } cases[] = {
        {0, 2, 0x4142, "does not start with \"BM\""},
        {14, 4, 64, "information header is 64 bytes long; the editor reads headers of 12, 40, 52, 56, 108 and 124"},
        {30, 4, 3, "compressed (compression 3) with 4 bits per pixel"},
        {30, 4, 1, "compressed (compression 1) with 4 bits per pixel"},
        {28, 2, 1, "it has 1 bits per pixel; save the sheet as a 16-colour (4-bit) bitmap, or as an 8-bit one"},
        {28, 2, 24, "24 bits per pixel"},
        {18, 4, 224, "224 pixels wide, not 208"},
        {22, 4, static_cast<std::uint32_t>(-40), "height of -40 pixels is not a whole number of 16-pixel rows"},
        {22, 4, 0, "height of 0 pixels"},
        {22, 4, 40, "height of 40 pixels"},
        {22, 4, 40336, "2521 rows of cells exceed 2520"},
        {22, 4, 0x80000000u, "its 134217728 rows of cells exceed 2520"},
        {22, 4, 0x7FFFFFF0, "rows of cells exceed"},
        {46, 4, 17, "says it uses 17 colours, more than the 16 a 4-bit bitmap can have"},
        {46, 4, 0xFFFFFFFFu, "says it uses 4294967295 colours"},
    };
    for (const Case& c : cases) {
        Bytes file = good;
        if (c.Width == 2) {
            PutLE16(file, c.At, static_cast<std::uint16_t>(c.Value));
        } else {
            PutLE32(file, c.At, c.Value);
        }
        const std::string message = Refusal(dir, file);
        EXPECT_EQ(message.rfind(dir.File("bad.bmp") + " is not a 16-colour tile bitmap: ", 0), 0u) << message;
        EXPECT_NE(message.find(c.Says), std::string::npos) << message;
    }
}

// Refusals that only some layouts can meet: colours an 8-bit sheet may not use, RLE
// streams that run outside the image, RLE stored top-down.
TEST(BitmapReader, RefusesEightBitColoursAboveFifteenAndDamagedRunLengthData) {
    TempDir dir;
    // The 8-bit picture's pixel (x, y) from the top left sits at 14 + 40 + 1024 + (47 - y) * 208 + x.
    auto eightBitPixel = [](int x, int y) { return static_cast<std::size_t>(1078 + (47 - y) * 208 + x); };
    const BmpLayout rle8{.BitsPerPixel = 8, .Compression = BmpCompression::kRle8, .ColoursUsed = 0};
    const BmpLayout rle4{.Compression = BmpCompression::kRle4, .ColoursUsed = 0};
    Bytes highColours = EncodeBmp(VariantPicture(), {.BitsPerPixel = 8, .ColoursUsed = 0});
    highColours[eightBitPixel(9, 30)] = 16;
    highColours[eightBitPixel(200, 3)] = 200;  // higher up: named first
    highColours[eightBitPixel(201, 3)] = 17;

    // The first RLE8 instruction is the bottom row's first run of 16 pixels: a count of
    // 220 passes the row's end. RLE4's first absolute run starts after its four runs.
    Bytes longRun = EncodeBmp(VariantPicture(), rle8);
    longRun[1078] = 220;
    Bytes longAbsolute = EncodeBmp(VariantPicture(), rle4);
    longAbsolute[118 + 4 * 2 + 1] = 170;
    Bytes farMove = EncodeBmp(VariantPicture(), rle8);
    Overwrite(farMove, 1078, {0, 2, 209, 0});
    Bytes pastLastRow = EncodeBmp(VariantPicture(), rle8);
    Overwrite(pastLastRow, 1078, {0, 2, 0, 47, 0, 2, 0, 2});
    Bytes runAfterLastRow = EncodeBmp(VariantPicture(), rle8);
    Overwrite(runAfterLastRow, 1078, {0, 2, 0, 48, 1, 5});
    Bytes topDownRle = EncodeBmp(VariantPicture(), rle4);
    PutLE32(topDownRle, 22, static_cast<std::uint32_t>(-48));

    const std::pair<Bytes, const char*> cases[] = {
        {highColours, "the pixel at x 200, y 3 has colour 200; an 8-bit sheet may use colours 0 to 15 only"},
        {longRun, "its RLE pixel data is damaged: a run passes the end of its row"},
        {longAbsolute, "its RLE pixel data is damaged: a run passes the end of its row"},
        {farMove, "its RLE pixel data is damaged: a move passes the end of its row"},
        {pastLastRow, "its RLE pixel data is damaged: a move passes the last row"},
        {runAfterLastRow, "its RLE pixel data is damaged: a run comes after the last row"},
        {topDownRle, "it is compressed and stored top row first, which a BMP file cannot be"},
    };
    for (const auto& [bytes, says] : cases) {
        EXPECT_EQ(Refusal(dir, bytes), dir.File("bad.bmp") + " is not a 16-colour tile bitmap: " + says);
    }
}

TEST(BitmapReader, RefusesShortAndUnreadableFiles) {
    TempDir dir;
    const Bytes good = EncodeBmp(TestPicture(208, 16, Diagonal));
    EXPECT_EQ(Refusal(dir, Bytes(good.begin(), good.begin() + 53)),
              dir.File("bad.bmp") +
                  " is not a 16-colour tile bitmap: it is 53 bytes long, shorter than the 54 bytes of its two headers");
    EXPECT_EQ(RefusalOf(dir.File("none.bmp")), "Cannot open " + dir.File("none.bmp") + ": No such file or directory");
    EXPECT_NE(RefusalOf(dir.Path().string()), "(read)");
}

}  // namespace
}  // namespace mosalind
