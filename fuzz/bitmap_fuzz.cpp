// The tile sheet reader and tile cutting, as Load Tiles uses them. Properties:
// - reading the file and decoding the same bytes in memory give the same sheet or the same
//   refusal; a refusal is the reader's RefusedError, one line naming the file (any other
//   exception escapes and stops the run);
// - an accepted sheet is 208 pixels wide, whole rows of cells high, with 16 palette entries
//   and exactly 104 bytes of pixels a row;
// - its planes equal a plain pixel-by-pixel conversion of its colour indices;
// - a sheet of up to four rows of cells, written again in a layout the reader takes
//   (header sizes, 8-bit, top-down, RLE4/RLE8 with and without moves, short palette, gap),
//   reads back to the same pixels and palette. Fuzzing tries one layout per input, picked
//   by a hash of its bytes; a replay tries them all.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/refused_error.h"
#include "dev_support/bmp_writer.h"
#include "dev_support/temp_folder.h"
#include "fuzz_check.h"
#include "graphics/bitmap_reader.h"
#include "graphics/tile_graphics.h"
#include "sheet_checks.h"
#include "sheet_layouts.h"

using fuzzing::FuzzCheck;
using mosalind::Bitmap;

namespace {

constexpr int kRowBytes = 104;
constexpr int kMostRowsReencoded = 64;

// Colour index of pixel (x, y), y from the top, in the kept form: bottom row first, left
// pixel in the high nibble.
int IndexAt(const Bitmap& bitmap, int x, int y) {
    const int stored = bitmap.InfoHeader.Height - 1 - y;
    const std::uint8_t pair = bitmap.Pixels[static_cast<std::size_t>(stored) * kRowBytes + x / 2];
    return x % 2 == 0 ? pair >> 4 : pair & 0x0F;
}

void CheckCell(const Bitmap& bitmap, const mosalind::TileGraphics& graphics, int cell) {
    const int left = (cell % 13) * 16;
    const int top = (cell / 13) * 16;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const int index = IndexAt(bitmap, left + x, top + y);
            for (int plane = 0; plane < 4; ++plane) {
                const int bit = (graphics.PlaneByte(plane, cell, 2 * y + x / 8) >> (7 - x % 8)) & 1;
                FuzzCheck(bit == ((index >> plane) & 1), "plane p holds bit p of every pixel's colour");
            }
        }
    }
}

// Every cell of a small sheet; of a tall one the first and last rows of cells and a spread
// between them.
void CheckPlanes(const Bitmap& bitmap) {
    mosalind::TileGraphics graphics;
    try {
        graphics = mosalind::CutTiles(bitmap);
    } catch (const mosalind::RefusedError&) {
        FuzzCheck(false, "an accepted sheet can be cut");
    }
    const int cells = bitmap.InfoHeader.Height / 16 * 13;
    FuzzCheck(graphics.BMPTileCount == cells, "a sheet has 13 cells to a row of cells");
    FuzzCheck(graphics.TilePlanes.size() == static_cast<std::size_t>(cells) * 128, "128 bytes of planes a cell");
    for (int cell = 0; cell < cells; ++cell) {
        if (cells <= 13 * 24 || cell < 13 || cell >= cells - 13 || cell % 41 == 0) {
            CheckCell(bitmap, graphics, cell);
        }
    }
}

void CheckLayout(const Bitmap& bitmap, const fuzzing::SheetLayout& sheetLayout) {
    const dev_support::BmpLayout& layout = sheetLayout.Layout;
    dev_support::SheetPicture picture{
        208, bitmap.InfoHeader.Height, [&](int x, int y) { return IndexAt(bitmap, x, y); }, {}};
    for (const mosalind::BMPPaletteEntry& entry : bitmap.Palette) {
        picture.Palette.push_back({entry.Blue, entry.Green, entry.Red, entry.Reserved});
    }
    const dev_support::Bytes file = dev_support::EncodeBmp(picture, layout);
    Bitmap again;
    std::string refusal;
    FuzzCheck(fuzzing::DecodeSheet(mosalind::DecodeBitmap, file.data(), file.size(), sheetLayout.Name, again, refusal),
              "the sheet written in another layout is read");
    FuzzCheck(again.InfoHeader.Height == picture.Height && again.InfoHeader.BitCount == layout.BitsPerPixel &&
                  again.InfoHeader.Size == layout.HeaderSize,
              "the headers read back");
    FuzzCheck(again.Pixels == bitmap.Pixels, "another layout reads back to the same pixels");
    const std::size_t entries =
        layout.ColoursUsed != 0 && layout.HeaderSize != 12 ? static_cast<std::size_t>(layout.ColoursUsed) : 16;
    for (std::size_t i = 0; i < 16; ++i) {
        const mosalind::BMPPaletteEntry& entry = again.Palette[i];
        dev_support::PaletteEntry expected{};
        if (i < entries) {
            expected = picture.Palette[i];
            if (layout.HeaderSize == 12) {
                expected.Reserved = 0;  // the core header's entries have no fourth byte
            }
        }
        FuzzCheck(entry.Blue == expected.Blue && entry.Green == expected.Green && entry.Red == expected.Red &&
                      entry.Reserved == expected.Reserved,
                  "the palette reads back, entries the file does not have black");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const dev_support::TempDir scratch(fuzzing::ScratchParent());
    Bitmap bitmap;
    const auto readFile = [](const std::string& path) { return mosalind::ReadBitmap(path); };
    if (!fuzzing::DecodeAndReadAgree(mosalind::DecodeBitmap, readFile, data, size, scratch.File("sheet.bmp"), bitmap)) {
        return 0;
    }

    fuzzing::CheckSheetShape(bitmap);
    CheckPlanes(bitmap);
    if (bitmap.InfoHeader.Height <= kMostRowsReencoded) {
        const std::vector<fuzzing::SheetLayout>& layouts = fuzzing::SheetLayouts();
        if (fuzzing::Replaying()) {
            for (const fuzzing::SheetLayout& layout : layouts) {
                CheckLayout(bitmap, layout);
            }
        } else {
            CheckLayout(bitmap, layouts[fuzzing::InputHash(data, size) % layouts.size()]);
        }
    }
    return 0;
}
