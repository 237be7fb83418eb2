#include "graphics/bitmap_layout.h"

#include <algorithm>
#include <string>

#include "base/little_endian.h"
#include "graphics/bitmap_refusal.h"
#include "graphics/sheet_size_check.h"
#include "graphics/tile_sheet_format.h"

namespace mosalind {

namespace {

constexpr std::int16_t kTypeCodeBM = 0x4D42;  // "BM"
constexpr std::int32_t kCoreHeaderBytes = 12;
constexpr int kCompressionNone = 0;
constexpr int kCompressionRle8 = 1;
constexpr int kCompressionRle4 = 2;

// A generous bound on an RLE stream: a real sheet's worst encoding (one-pixel runs and an
// end of line) takes about 420 bytes a row.
constexpr std::size_t kRleBytesPerRowBound = 4096;

const char* const kWhatIsRead =
    "save the sheet as a 16-colour (4-bit) bitmap, or as an 8-bit one using colours 0 to 15";

bool IsKnownHeaderSize(std::int32_t size) {
    switch (size) {
        case 12:
        case 40:
        case 52:
        case 56:
        case 108:
        case 124:
            return true;
        default:
            return false;
    }
}

std::uint16_t LoadLEU16(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(LoadLE16(bytes));
}

void DecodeInfoHeader(const std::uint8_t* at, BMPInfoHeader& info) {
    info.Size = LoadLE32(at + 0);
    if (info.Size == kCoreHeaderBytes) {
        // The core header keeps width and height as unsigned 16-bit values.
        info.Width = LoadLEU16(at + 4);
        info.Height = LoadLEU16(at + 6);
        info.Planes = LoadLE16(at + 8);
        info.BitCount = LoadLE16(at + 10);
        return;
    }
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

void CheckPixelFormat(const std::string& name, const BMPInfoHeader& info) {
    if (info.BitCount != 4 && info.BitCount != 8) {
        RefuseBitmap(name, "it has " + std::to_string(info.BitCount) + " bits per pixel; " + kWhatIsRead);
    }
    const bool readable = info.Compression == kCompressionNone ||
                          (info.Compression == kCompressionRle8 && info.BitCount == 8) ||
                          (info.Compression == kCompressionRle4 && info.BitCount == 4);
    if (!readable) {
        RefuseBitmap(name, "it is compressed (compression " + std::to_string(info.Compression) + ") with " +
                               std::to_string(info.BitCount) +
                               " bits per pixel; the editor reads uncompressed sheets, RLE4 with 4 bits "
                               "and RLE8 with 8 bits per pixel");
    }
}

// Returns the image height in rows; a negative height field means rows stored top first.
std::int32_t CheckSize(const std::string& name, const BMPInfoHeader& info) {
    const std::int32_t rows = CheckSheetSize(name, info.Width, info.Height);
    if (info.Height < 0 && info.Compression != kCompressionNone) {
        RefuseBitmap(name, "it is compressed and stored top row first, which a BMP file cannot be");
    }
    return rows;
}

// The palette's length in entries: the colours-used field when it is 1 to 2^bits, all
// 2^bits when it is 0 (and always for the core header).
std::int64_t CheckPaletteLength(const std::string& name, const BMPInfoHeader& info) {
    const std::int64_t most = std::int64_t{1} << info.BitCount;
    if (info.Size == kCoreHeaderBytes || info.ClrUsed == 0) {
        return most;
    }
    const std::int64_t used = static_cast<std::uint32_t>(info.ClrUsed);
    if (used > most) {
        RefuseBitmap(name, "it says it uses " + std::to_string(used) + " colours, more than the " +
                               std::to_string(most) + " a " + std::to_string(info.BitCount) + "-bit bitmap can have");
    }
    return used;
}

}  // namespace

BitmapLayout DecodeBitmapHead(const std::uint8_t* head, std::size_t size, const std::string& name, Bitmap& bitmap) {
    constexpr std::size_t kHeaderSizeEnd = 14 + 4;
    if (size >= 2 && LoadLE16(head) != kTypeCodeBM) {
        RefuseBitmap(name, "it does not start with \"BM\"");
    }
    if (size < kHeaderSizeEnd) {
        RefuseBitmap(name, "it is " + std::to_string(size) + " bytes long, too short to hold its headers");
    }
    const std::int32_t headerSize = LoadLE32(head + 14);
    if (!IsKnownHeaderSize(headerSize)) {
        RefuseBitmap(name, "its information header is " + std::to_string(headerSize) +
                               " bytes long; the editor reads headers of 12, 40, 52, 56, 108 and 124 bytes");
    }
    const std::size_t headersEnd = 14 + static_cast<std::size_t>(headerSize);
    if (size < headersEnd) {
        RefuseBitmap(name, "it is " + std::to_string(size) + " bytes long, shorter than the " +
                               std::to_string(headersEnd) + " bytes of its two headers");
    }

    BMPFileHeader& file = bitmap.FileHeader;
    file.Type = LoadLE16(head + 0);
    file.Size = LoadLE32(head + 2);
    file.Reserved1 = LoadLE16(head + 6);
    file.Reserved2 = LoadLE16(head + 8);
    file.OffBits = LoadLE32(head + 10);
    BMPInfoHeader& info = bitmap.InfoHeader;
    DecodeInfoHeader(head + 14, info);

    CheckPixelFormat(name, info);
    BitmapLayout layout;
    layout.Rows = CheckSize(name, info);
    layout.TopDown = info.Height < 0;
    layout.BitsPerPixel = info.BitCount;
    layout.Compression = info.Compression;
    const std::int64_t paletteLength = CheckPaletteLength(name, info);

    // Palette entries the file does not reach, or does not have, are black.
    const std::size_t entryBytes = info.Size == kCoreHeaderBytes ? 3 : 4;
    bitmap.Palette.assign(kSheetPaletteEntries, BMPPaletteEntry{});
    for (std::size_t i = 0; i < static_cast<std::size_t>(std::min<std::int64_t>(paletteLength, kSheetPaletteEntries));
         ++i) {
        const std::size_t at = headersEnd + i * entryBytes;
        if (at + 3 > size) {
            break;
        }
        bitmap.Palette[i] = {head[at], head[at + 1], head[at + 2],
                             entryBytes == 4 && at + 4 <= size ? head[at + 3] : std::uint8_t{0}};
    }

    // The pixels start after the palette, or later where the file header says so.
    const std::uint64_t paletteEnd = headersEnd + static_cast<std::uint64_t>(paletteLength) * entryBytes;
    layout.PixelStart = std::max<std::uint64_t>(paletteEnd, static_cast<std::uint32_t>(file.OffBits));

    info.Height = layout.Rows;
    if (info.SizeImage == 0 && info.Compression == kCompressionNone) {
        info.SizeImage = layout.Rows * (info.BitCount == 4 ? kSheetBytesPerRow : kSheetWidth);
    }
    return layout;
}

std::size_t BitmapPixelBytesWanted(const BitmapLayout& layout) {
    const std::size_t rows = static_cast<std::size_t>(layout.Rows);
    if (layout.Compression != kCompressionNone) {
        return rows * kRleBytesPerRowBound;
    }
    return rows * (layout.BitsPerPixel == 4 ? kSheetBytesPerRow : kSheetWidth);
}

}  // namespace mosalind
