#include "graphics/bitmap_reader.h"

#include <cstddef>
#include <string>

#include "document/byte_file_reader.h"
#include "document/little_endian.h"
#include "document/refused_error.h"
#include "graphics/tile_sheet_format.h"

namespace mosalind {

namespace {

constexpr std::int16_t kTypeCodeBM = 0x4D42;  // "BM"

void DecodeHeaders(const std::uint8_t* bytes, Bitmap& bitmap) {
    BMPFileHeader& file = bitmap.FileHeader;
    file.Type = LoadLE16(bytes + 0);
    file.Size = LoadLE32(bytes + 2);
    file.Reserved1 = LoadLE16(bytes + 6);
    file.Reserved2 = LoadLE16(bytes + 8);
    file.OffBits = LoadLE32(bytes + 10);
    BMPInfoHeader& info = bitmap.InfoHeader;
    const std::uint8_t* at = bytes + 14;
    info.Size = LoadLE32(at + 0);
    info.Width = LoadLE32(at + 4);
    info.Height = LoadLE32(at + 8);
    info.Planes = LoadLE16(at + 12);
    info.BitCount = LoadLE16(at + 14);
    info.Compression = LoadLE32(at + 16);
    info.SizeImage = LoadLE32(at + 20);
    info.XPelsPerMeter = LoadLE32(at + 24);
    info.YPelsPerMeter = LoadLE32(at + 28);
    info.ClrUsed = LoadLE32(at + 32);
    info.ClrImportant = LoadLE32(at + 36);
}

void Refuse(const std::string& path, const std::string& reason) {
    throw RefusedError(path + " is not a 16-colour tile bitmap: " + reason);
}

void CheckTileSheet(const std::string& path, const Bitmap& bitmap) {
    const BMPInfoHeader& info = bitmap.InfoHeader;
    if (bitmap.FileHeader.Type != kTypeCodeBM) {
        Refuse(path, "it does not start with \"BM\"");
    }
    if (info.Size != 40) {
        Refuse(path, "its information header is " + std::to_string(info.Size) + " bytes long, not 40");
    }
    if (info.Compression != 0) {
        Refuse(path, "it is compressed (compression " + std::to_string(info.Compression) +
                         "); only uncompressed bitmaps are read");
    }
    if (info.BitCount != 4) {
        Refuse(path, "it has " + std::to_string(info.BitCount) + " bits per pixel, not 4");
    }
    if (info.Width != kSheetWidth) {
        Refuse(path, "it is " + std::to_string(info.Width) + " pixels wide, not " +
                         std::to_string(kSheetWidth));
    }
    if (info.Height <= 0 || info.Height % 16 != 0) {
        Refuse(path, "its height of " + std::to_string(info.Height) +
                         " pixels is not a positive multiple of 16 (stored bottom row first)");
    }
    if (info.Height / 16 > kMaxSheetCellRows) {
        Refuse(path, "its " + std::to_string(info.Height / 16) + " rows of cells exceed " +
                         std::to_string(kMaxSheetCellRows) + " (at most " +
                         std::to_string(kMaxSheetCells) + " cells)");
    }
}

}  // namespace

Bitmap ReadBitmap(const std::string& path) {
    ByteFileReader file(path);
    std::uint8_t headers[kBitmapHeadersBytes] = {};
    const std::size_t got = file.Read(headers, sizeof headers);
    if (got < sizeof headers) {
        Refuse(path, "it is " + std::to_string(got) + " bytes long, shorter than the " +
                         std::to_string(kBitmapHeadersBytes) + " bytes of its two headers");
    }
    Bitmap bitmap;
    DecodeHeaders(headers, bitmap);
    CheckTileSheet(path, bitmap);

    // The palette directly follows the information header; entries missing at the end of
    // a short file stay zero, as do missing pixel bytes.
    std::uint8_t paletteBytes[kSheetPaletteEntries * 4] = {};
    file.Read(paletteBytes, sizeof paletteBytes);
    bitmap.Palette.resize(kSheetPaletteEntries);
    for (int i = 0; i < kSheetPaletteEntries; ++i) {
        bitmap.Palette[i] = {paletteBytes[4 * i], paletteBytes[4 * i + 1], paletteBytes[4 * i + 2],
                             paletteBytes[4 * i + 3]};
    }

    // The pixel data starts right after the palette (byte 118), whatever the header's
    // pixel-data offset says. The buffer holds the image's rows, never more, so an
    // oversized image-size field cannot make the reader allocate or read beyond them.
    const std::int32_t rowBytes = bitmap.InfoHeader.Height * kSheetBytesPerRow;
    if (bitmap.InfoHeader.SizeImage == 0) {
        bitmap.InfoHeader.SizeImage = rowBytes;
    }
    bitmap.Pixels.assign(static_cast<std::size_t>(rowBytes), 0);
    file.Read(bitmap.Pixels.data(), bitmap.Pixels.size());
    return bitmap;
}

}  // namespace mosalind
