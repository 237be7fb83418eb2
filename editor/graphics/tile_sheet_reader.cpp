#include "graphics/tile_sheet_reader.h"

#include <algorithm>
#include <cstring>

#include "base/byte_file_reader.h"
#include "graphics/bitmap_layout.h"
#include "graphics/bitmap_refusal.h"
#include "graphics/png_sheet_reader.h"
#include "graphics/tile_sheet_format.h"

namespace mosalind {

namespace {

enum class SheetFormat { Bmp, Png };

// A file as short as part of PNG's signature is taken for a PNG cut short. A file that is
// neither, but too short to tell, is left to the BMP reader's own refusal of short files.
SheetFormat SniffFormat(const std::uint8_t* head, std::size_t size, const std::string& name) {
    const std::size_t signature = std::min(size, sizeof kPngSignature);
    if (signature > 0 && std::memcmp(head, kPngSignature, signature) == 0) {
        return SheetFormat::Png;
    }
    if (size >= 2 && !(head[0] == 'B' && head[1] == 'M')) {
        RefuseBitmap(name, "it is neither a BMP file (starting with \"BM\") nor a PNG file");
    }
    return SheetFormat::Bmp;
}

}  // namespace

Bitmap ReadTileSheet(const std::string& path) {
    ByteFileReader file(path, kMostSheetFileBytes, "tile sheet");
    std::uint8_t head[kBitmapHeadBytes];
    const std::size_t got = file.Read(head, sizeof head);
    if (SniffFormat(head, got, path) == SheetFormat::Png) {
        return ReadPngSheet(head, got, file, path);
    }
    return ReadBitmap(head, got, file, path);
}

Bitmap DecodeTileSheet(const std::uint8_t* bytes, std::size_t size, const std::string& name) {
    if (SniffFormat(bytes, size, name) == SheetFormat::Png) {
        return DecodePngSheet(bytes, size, name);
    }
    return DecodeBitmap(bytes, size, name);
}

}  // namespace mosalind
