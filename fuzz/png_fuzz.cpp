// The tile sheet reader on PNG files, as Load Tiles uses it (ReadTileSheet, which tells PNG
// from BMP by the first bytes). Properties:
// - reading the file and decoding the same bytes in memory give the same sheet or the same
//   refusal; a refusal is the reader's RefusedError, one line naming the file (any other
//   exception escapes and stops the run);
// - an accepted PNG sheet is 208 pixels wide, whole rows of cells high, with 16 palette
//   entries, exactly 104 bytes of pixels a row, and headers holding only the size, one
//   plane and the PNG's bit depth;
// - the sheet written as the classic BMP reads back to the same pixels and palette;
// - a sheet of up to four rows of cells, written again as another kind of indexed PNG its
//   colours fit (each bit depth, interlaced, short and long palettes, ancillary chunks),
//   reads back to the same pixels and palette. Fuzzing tries one kind per input, picked by
//   a hash of its bytes; a replay tries them all.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "base/refused_error.h"
#include "dev_support/bmp_writer.h"
#include "dev_support/png_writer.h"
#include "dev_support/temp_folder.h"
#include "fuzz_check.h"
#include "graphics/tile_sheet_reader.h"
#include "sheet_checks.h"
#include "sheet_layouts.h"

using fuzzing::FuzzCheck;
using mosalind::Bitmap;

namespace {

constexpr int kRowBytes = 104;
constexpr int kMostRowsReencoded = 64;
constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// The sheet's colour indices (from the bottom-up 4-bit rows) and its palette.
dev_support::SheetPicture PictureOf(const Bitmap& bitmap) {
    const int rows = bitmap.InfoHeader.Height;
    dev_support::SheetPicture picture{208,
                                      rows,
                                      [&bitmap, rows](int x, int y) {
                                          const std::uint8_t pair =
                                              bitmap.Pixels[static_cast<std::size_t>(rows - 1 - y) * kRowBytes + x / 2];
                                          return x % 2 == 0 ? pair >> 4 : pair & 0x0F;
                                      },
                                      {}};
    for (const mosalind::BMPPaletteEntry& entry : bitmap.Palette) {
        picture.Palette.push_back({entry.Blue, entry.Green, entry.Red, entry.Reserved});
    }
    return picture;
}

void CheckAsClassicBitmap(const Bitmap& bitmap, const dev_support::SheetPicture& picture) {
    const dev_support::Bytes file = dev_support::EncodeBmp(picture, fuzzing::SheetLayouts().front().Layout);
    Bitmap again;
    std::string refusal;
    FuzzCheck(fuzzing::DecodeSheet(mosalind::DecodeTileSheet, file.data(), file.size(), "classic.bmp", again, refusal),
              "the sheet written as a BMP is read");
    FuzzCheck(again.Pixels == bitmap.Pixels && fuzzing::SamePalette(again, bitmap),
              "the sheet written as a BMP reads back to the same pixels and palette");
}

void CheckPngLayout(const Bitmap& bitmap, const dev_support::SheetPicture& picture,
                    const fuzzing::PngSheetLayout& layout) {
    if (!fuzzing::PngLayoutFits(picture, layout)) {
        return;
    }
    const dev_support::SheetPicture written = fuzzing::WithPngPalette(picture, layout);
    const dev_support::Bytes file = dev_support::EncodePng(written, layout.Layout);
    Bitmap again;
    std::string refusal;
    FuzzCheck(fuzzing::DecodeSheet(mosalind::DecodeTileSheet, file.data(), file.size(), layout.Name, again, refusal),
              "the sheet written as another PNG is read");
    FuzzCheck(again.InfoHeader.Height == picture.Height && again.InfoHeader.BitCount == layout.Layout.BitDepth,
              "the headers read back");
    FuzzCheck(again.Pixels == bitmap.Pixels, "another kind of PNG reads back to the same pixels");
    for (std::size_t i = 0; i < 16; ++i) {
        const mosalind::BMPPaletteEntry& entry = again.Palette[i];
        const dev_support::PaletteEntry expected =
            i < written.Palette.size() ? picture.Palette[i] : dev_support::PaletteEntry{};
        FuzzCheck(entry.Blue == expected.Blue && entry.Green == expected.Green && entry.Red == expected.Red &&
                      entry.Reserved == 0,
                  "the palette reads back, entries the file does not have black");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const dev_support::TempDir scratch(fuzzing::ScratchParent());
    Bitmap bitmap;
    const bool accepted = fuzzing::DecodeAndReadAgree(mosalind::DecodeTileSheet, mosalind::ReadTileSheet, data, size,
                                                      scratch.File("sheet.png"), bitmap);
    // A BMP the fuzzer made is the bitmap target's to check.
    if (!accepted || size < sizeof kPngSignature || std::memcmp(data, kPngSignature, sizeof kPngSignature) != 0) {
        return 0;
    }

    const mosalind::BMPInfoHeader& info = bitmap.InfoHeader;
    fuzzing::CheckSheetShape(bitmap);
    FuzzCheck(info.Planes == 1 &&
                  (info.BitCount == 1 || info.BitCount == 2 || info.BitCount == 4 || info.BitCount == 8) &&
                  info.Size == 0 && info.Compression == 0 && info.SizeImage == 0 && info.ClrUsed == 0 &&
                  bitmap.FileHeader.Type == 0 && bitmap.FileHeader.Size == 0 && bitmap.FileHeader.OffBits == 0,
              "a PNG sheet's headers hold its size, one plane and its bit depth only");
    if (info.Height > kMostRowsReencoded) {
        return 0;
    }
    const dev_support::SheetPicture picture = PictureOf(bitmap);
    CheckAsClassicBitmap(bitmap, picture);
    const std::vector<fuzzing::PngSheetLayout>& layouts = fuzzing::PngSheetLayouts();
    if (fuzzing::Replaying()) {
        for (const fuzzing::PngSheetLayout& layout : layouts) {
            CheckPngLayout(bitmap, picture, layout);
        }
    } else {
        CheckPngLayout(bitmap, picture, layouts[fuzzing::InputHash(data, size) % layouts.size()]);
    }
    return 0;
}
