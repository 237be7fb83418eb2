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

#include "dev_support/bmp_writer.h"
#include "dev_support/png_writer.h"
#include "dev_support/temp_folder.h"
#include "document/refused_error.h"
#include "fuzz_check.h"
#include "graphics/tile_sheet_reader.h"
#include "sheet_layouts.h"

using fuzzing::FuzzCheck;
using mosalind::Bitmap;

namespace {

constexpr int kRowBytes = 104;
constexpr int kMostRowsReencoded = 64;
constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

bool SamePalette(const Bitmap& a, const Bitmap& b) {
    if (a.Palette.size() != b.Palette.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.Palette.size(); ++i) {
        const auto& x = a.Palette[i];
        const auto& y = b.Palette[i];
        if (x.Blue != y.Blue || x.Green != y.Green || x.Red != y.Red || x.Reserved != y.Reserved) {
            return false;
        }
    }
    return true;
}

bool SameSheet(const Bitmap& a, const Bitmap& b) {
    const mosalind::BMPInfoHeader& x = a.InfoHeader;
    const mosalind::BMPInfoHeader& y = b.InfoHeader;
    return a.FileHeader.Type == b.FileHeader.Type && a.FileHeader.Size == b.FileHeader.Size &&
           a.FileHeader.OffBits == b.FileHeader.OffBits && x.Size == y.Size && x.Width == y.Width &&
           x.Height == y.Height && x.Planes == y.Planes && x.BitCount == y.BitCount && x.Compression == y.Compression &&
           x.SizeImage == y.SizeImage && x.ClrUsed == y.ClrUsed && SamePalette(a, b) && a.Pixels == b.Pixels;
}

// Decodes, turning a refusal into its message; the message is one line naming the file.
bool Decode(const std::uint8_t* data, std::size_t size, const std::string& name, Bitmap& bitmap, std::string& refusal) {
    try {
        bitmap = mosalind::DecodeTileSheet(data, size, name);
        return true;
    } catch (const mosalind::RefusedError& error) {
        refusal = error.what();
        FuzzCheck(refusal.rfind(name + " is not a 16-colour tile bitmap: ", 0) == 0 &&
                      refusal.find('\n') == std::string::npos,
                  "a refusal is one line naming the file");
        return false;
    }
}

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
    FuzzCheck(Decode(file.data(), file.size(), "classic.bmp", again, refusal), "the sheet written as a BMP is read");
    FuzzCheck(again.Pixels == bitmap.Pixels && SamePalette(again, bitmap),
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
    FuzzCheck(Decode(file.data(), file.size(), layout.Name, again, refusal),
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
    const std::string path = scratch.File("sheet.png");
    Bitmap bitmap;
    std::string refusal;
    const bool accepted = Decode(data, size, path, bitmap, refusal);

    dev_support::WriteFileBytes(path, dev_support::Bytes(data, data + size));
    try {
        const Bitmap read = mosalind::ReadTileSheet(path);
        FuzzCheck(accepted && SameSheet(read, bitmap), "reading the file gives the sheet decoding gives");
    } catch (const mosalind::RefusedError& error) {
        FuzzCheck(!accepted && refusal == error.what(), "reading the file gives the refusal decoding gives");
    }
    // A BMP the fuzzer made is the bitmap target's to check.
    if (!accepted || size < sizeof kPngSignature || std::memcmp(data, kPngSignature, sizeof kPngSignature) != 0) {
        return 0;
    }

    const mosalind::BMPInfoHeader& info = bitmap.InfoHeader;
    FuzzCheck(info.Width == 208 && info.Height > 0 && info.Height % 16 == 0 && info.Height / 16 <= 2520,
              "an accepted sheet is 208 pixels wide and 1 to 2,520 rows of cells high");
    FuzzCheck(info.Planes == 1 &&
                  (info.BitCount == 1 || info.BitCount == 2 || info.BitCount == 4 || info.BitCount == 8) &&
                  info.Size == 0 && info.Compression == 0 && info.SizeImage == 0 && info.ClrUsed == 0 &&
                  bitmap.FileHeader.Type == 0 && bitmap.FileHeader.Size == 0 && bitmap.FileHeader.OffBits == 0,
              "a PNG sheet's headers hold its size, one plane and its bit depth only");
    FuzzCheck(bitmap.Palette.size() == 16, "an accepted sheet has 16 palette entries");
    FuzzCheck(bitmap.Pixels.size() == static_cast<std::size_t>(info.Height) * kRowBytes,
              "an accepted sheet has 104 bytes of pixels a row");
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
        std::uint32_t hash = 2166136261u;
        for (std::size_t i = 0; i < size; ++i) {
            hash = (hash ^ data[i]) * 16777619u;
        }
        CheckPngLayout(bitmap, picture, layouts[hash % layouts.size()]);
    }
    return 0;
}
