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

#include "document/refused_error.h"
#include "fuzz_check.h"
#include "graphics/tile_sheet_reader.h"
#include "png_encoding.h"
#include "sheet_encoding.h"

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
           x.Height == y.Height && x.Planes == y.Planes && x.BitCount == y.BitCount &&
           x.Compression == y.Compression && x.SizeImage == y.SizeImage && x.ClrUsed == y.ClrUsed &&
           SamePalette(a, b) && a.Pixels == b.Pixels;
}

// Decodes, turning a refusal into its message; the message is one line naming the file.
bool Decode(const std::uint8_t* data, std::size_t size, const std::string& name, Bitmap& bitmap,
            std::string& refusal) {
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

// The sheet's colour indices, top row first, and its palette.
fuzzing::SheetPicture PictureOf(const Bitmap& bitmap) {
    fuzzing::SheetPicture picture;
    picture.rows = bitmap.InfoHeader.Height;
    for (int y = 0; y < picture.rows; ++y) {
        const std::uint8_t* row = bitmap.Pixels.data() + static_cast<std::size_t>(picture.rows - 1 - y) * kRowBytes;
        for (int x = 0; x < fuzzing::kSheetWidth; x += 2) {
            picture.indices.push_back(static_cast<std::uint8_t>(row[x / 2] >> 4));
            picture.indices.push_back(static_cast<std::uint8_t>(row[x / 2] & 0x0F));
        }
    }
    for (std::size_t i = 0; i < 16; ++i) {
        const mosalind::BMPPaletteEntry& entry = bitmap.Palette[i];
        picture.palette[i] = {entry.Blue, entry.Green, entry.Red, entry.Reserved};
    }
    return picture;
}

void CheckAsClassicBitmap(const Bitmap& bitmap, const fuzzing::SheetPicture& picture) {
    const fuzzing::Bytes file = fuzzing::EncodeSheet(picture, fuzzing::SheetLayouts().front());
    Bitmap again;
    std::string refusal;
    FuzzCheck(Decode(file.data(), file.size(), "classic.bmp", again, refusal), "the sheet written as a BMP is read");
    FuzzCheck(again.Pixels == bitmap.Pixels && SamePalette(again, bitmap),
              "the sheet written as a BMP reads back to the same pixels and palette");
}

void CheckPngLayout(const Bitmap& bitmap, const fuzzing::SheetPicture& picture, const fuzzing::PngLayout& layout) {
    if (!fuzzing::PngLayoutFits(picture, layout)) {
        return;
    }
    const fuzzing::Bytes file = fuzzing::EncodePngSheet(picture, layout);
    Bitmap again;
    std::string refusal;
    FuzzCheck(Decode(file.data(), file.size(), layout.name, again, refusal), "the sheet written as another PNG is read");
    FuzzCheck(again.InfoHeader.Height == picture.rows && again.InfoHeader.BitCount == layout.bitDepth,
              "the headers read back");
    FuzzCheck(again.Pixels == bitmap.Pixels, "another kind of PNG reads back to the same pixels");
    const int written = layout.paletteEntries != 0 ? layout.paletteEntries : (layout.bitDepth >= 4 ? 16 : 1 << layout.bitDepth);
    for (std::size_t i = 0; i < 16; ++i) {
        const mosalind::BMPPaletteEntry& entry = again.Palette[i];
        std::array<std::uint8_t, 4> expected{};
        if (static_cast<int>(i) < written) {
            expected = picture.palette[i];
        }
        FuzzCheck(entry.Blue == expected[0] && entry.Green == expected[1] && entry.Red == expected[2] &&
                      entry.Reserved == 0,
                  "the palette reads back, entries the file does not have black");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzzing::ScratchFolder scratch;
    const std::string path = scratch.File("sheet.png");
    Bitmap bitmap;
    std::string refusal;
    const bool accepted = Decode(data, size, path, bitmap, refusal);

    fuzzing::WriteWholeFile(path, data, size);
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
    FuzzCheck(info.Planes == 1 && (info.BitCount == 1 || info.BitCount == 2 || info.BitCount == 4 || info.BitCount == 8) &&
                  info.Size == 0 && info.Compression == 0 && info.SizeImage == 0 && info.ClrUsed == 0 &&
                  bitmap.FileHeader.Type == 0 && bitmap.FileHeader.Size == 0 && bitmap.FileHeader.OffBits == 0,
              "a PNG sheet's headers hold its size, one plane and its bit depth only");
    FuzzCheck(bitmap.Palette.size() == 16, "an accepted sheet has 16 palette entries");
    FuzzCheck(bitmap.Pixels.size() == static_cast<std::size_t>(info.Height) * kRowBytes,
              "an accepted sheet has 104 bytes of pixels a row");
    if (info.Height > kMostRowsReencoded) {
        return 0;
    }
    const fuzzing::SheetPicture picture = PictureOf(bitmap);
    CheckAsClassicBitmap(bitmap, picture);
    const std::vector<fuzzing::PngLayout>& layouts = fuzzing::PngLayouts();
    if (fuzzing::Replaying()) {
        for (const fuzzing::PngLayout& layout : layouts) {
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
