#include "graphics/bitmap_reader.h"

#include <algorithm>
#include <utility>

#include "base/byte_file_reader.h"
#include "graphics/bitmap_layout.h"
#include "graphics/bitmap_pixels.h"
#include "graphics/large_pages.h"
#include "graphics/tile_sheet_format.h"

namespace mosalind {

namespace {

// Reads on from the file's current place until its end or `most` bytes, a piece at a
// time, so that a generous bound costs nothing when the file is short.
std::vector<std::uint8_t> ReadUpTo(ByteFileReader& file, std::size_t most) {
    constexpr std::size_t kPiece = std::size_t{16} << 20;
    std::vector<std::uint8_t> data;
    data.reserve(std::min(most, kPiece));
    AdviseLargePages(data.data(), data.capacity());
    while (data.size() < most) {
        const std::size_t had = data.size();
        const std::size_t want = std::min(kPiece, most - had);
        data.resize(had + want);
        const std::size_t got = file.Read(data.data() + had, want);
        data.resize(had + got);
        if (got < want) {
            break;
        }
    }
    return data;
}

}  // namespace

Bitmap ReadBitmap(const std::string& path) {
    ByteFileReader file(path, kMostSheetFileBytes, "tile sheet");
    std::uint8_t head[kBitmapHeadBytes];
    const std::size_t got = file.Read(head, sizeof head);
    return ReadBitmap(head, got, file, path);
}

Bitmap ReadBitmap(const std::uint8_t* head, std::size_t size, ByteFileReader& file, const std::string& path) {
    Bitmap bitmap;
    const BitmapLayout layout = DecodeBitmapHead(head, std::min(size, kBitmapHeadBytes), path, bitmap);

    // Only the pixel data is read from here on: a gap before it is skipped, not read.
    file.Seek(layout.PixelStart);
    DecodeBitmapPixels(layout, ReadUpTo(file, BitmapPixelBytesWanted(layout)), path, bitmap);
    return bitmap;
}

Bitmap DecodeBitmap(const std::uint8_t* bytes, std::size_t size, const std::string& name) {
    Bitmap bitmap;
    const BitmapLayout layout = DecodeBitmapHead(bytes, std::min(size, kBitmapHeadBytes), name, bitmap);
    std::vector<std::uint8_t> data;
    if (layout.PixelStart < size) {
        const std::size_t start = static_cast<std::size_t>(layout.PixelStart);
        const std::size_t length = std::min(size - start, BitmapPixelBytesWanted(layout));
        data.assign(bytes + start, bytes + start + length);
    }
    DecodeBitmapPixels(layout, std::move(data), name, bitmap);
    return bitmap;
}

}  // namespace mosalind
