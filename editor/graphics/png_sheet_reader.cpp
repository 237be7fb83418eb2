#include "graphics/png_sheet_reader.h"

#include <exception>
#include <vector>

#include "graphics/bitmap_pixels.h"
#include "graphics/bitmap_refusal.h"
#include "graphics/large_pages.h"
#include "graphics/png_decoder.h"
#include "graphics/sheet_size_check.h"
#include "graphics/tile_sheet_format.h"

namespace mosalind {

namespace {

constexpr int kPaletteColourType = 3;
const char* const kWhatIsRead = "save the sheet as an indexed PNG of at most 16 colours";

std::string ColourTypeName(int colourType) {
    switch (colourType) {
        case 0:
            return "a greyscale PNG";
        case 2:
            return "a true-colour (RGB) PNG";
        case 4:
            return "a greyscale PNG with an alpha channel";
        case 6:
            return "a true-colour PNG with an alpha channel";
        default:
            return "a PNG of colour type " + std::to_string(colourType);
    }
}

void CheckHeader(const PngHeader& header, const std::string& name) {
    if (header.ColourType != kPaletteColourType) {
        RefuseBitmap(name, "it is " + ColourTypeName(header.ColourType) + "; " + kWhatIsRead);
    }
    CheckSheetSize(name, header.Width, header.Height);
}

[[noreturn]] void RefuseDamaged(const PngInput& input, const PngDecoder& decoder, const std::string& name) {
    if (input.ReadFailure) {
        std::rethrow_exception(input.ReadFailure);
    }
    RefuseBitmap(name, std::string("its PNG data is damaged: ") + decoder.Reason());
}

// A buffer for a tall sheet's rows, backed by large pages where the system can.
std::vector<std::uint8_t> SheetBuffer(std::size_t bytes) {
    std::vector<std::uint8_t> buffer;
    buffer.reserve(bytes);
    AdviseLargePages(buffer.data(), bytes);
    buffer.resize(bytes);
    return buffer;
}

Bitmap DecodePng(PngInput& input, const std::string& name) {
    PngDecoder decoder(input);
    PngHeader header;
    if (!decoder.ReadHeader(header)) {
        RefuseDamaged(input, decoder, name);
    }
    CheckHeader(header, name);

    Bitmap bitmap;
    bitmap.InfoHeader.Width = kSheetWidth;
    bitmap.InfoHeader.Height = static_cast<std::int32_t>(header.Height);
    bitmap.InfoHeader.Planes = 1;
    bitmap.InfoHeader.BitCount = static_cast<std::int16_t>(header.BitDepth);
    bitmap.Palette.assign(kSheetPaletteEntries, BMPPaletteEntry{});
    for (int i = 0; i < header.PaletteEntries && i < kSheetPaletteEntries; ++i) {
        bitmap.Palette[i] = {header.Palette[i][2], header.Palette[i][1], header.Palette[i][0], 0};
    }

    // Image rows come top first; the kept rows are bottom first.
    const std::size_t rows = header.Height;
    std::vector<std::uint8_t*> rowStarts(rows);
    if (header.BitDepth == 4) {
        // Already the kept form, two pixels a byte with the left one in the high nibble.
        bitmap.Pixels = SheetBuffer(rows * kSheetBytesPerRow);
        for (std::size_t y = 0; y < rows; ++y) {
            rowStarts[y] = bitmap.Pixels.data() + (rows - 1 - y) * kSheetBytesPerRow;
        }
        if (!decoder.ReadRows(rowStarts.data(), false)) {
            RefuseDamaged(input, decoder, name);
        }
        return bitmap;
    }
    std::vector<std::uint8_t> indices = SheetBuffer(rows * kSheetWidth);
    for (std::size_t y = 0; y < rows; ++y) {
        rowStarts[y] = indices.data() + (rows - 1 - y) * kSheetWidth;
    }
    if (!decoder.ReadRows(rowStarts.data(), true)) {
        RefuseDamaged(input, decoder, name);
    }
    PackSheetIndices(indices, static_cast<std::int32_t>(rows), name, bitmap);
    return bitmap;
}

}  // namespace

Bitmap DecodePngSheet(const std::uint8_t* bytes, std::size_t size, const std::string& name) {
    PngInput input;
    input.Bytes = bytes;
    input.Size = size;
    return DecodePng(input, name);
}

Bitmap ReadPngSheet(const std::uint8_t* head, std::size_t size, ByteFileReader& rest, const std::string& name) {
    PngInput input;
    input.Bytes = head;
    input.Size = size;
    input.Rest = &rest;
    return DecodePng(input, name);
}

}  // namespace mosalind
