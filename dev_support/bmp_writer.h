// Indexed BMP files in every layout the editor reads, written from the BMP layout itself
// (never with the editor's code): the classic 16-colour file, the other information headers,
// 8 bits, top-down rows, RLE4 and RLE8, short palettes, gaps and odd header fields.
#pragma once

#include <cstdint>

#include "dev_support/le_bytes.h"
#include "dev_support/sheet_picture.h"

namespace dev_support {

// The compression field's values.
enum class BmpCompression { kNone = 0, kRle8 = 1, kRle4 = 2 };

// What EncodeBmp writes. The defaults are the classic file: a 40-byte information header,
// 4 bits per pixel, uncompressed, bottom row first, 16 palette entries.
struct BmpLayout {
    // 12 (the old OS/2 header), 40, 52, 56, 108 or 124.
    int HeaderSize = 40;
    // 4 or 8.
    int BitsPerPixel = 4;
    // RLE4 goes with 4 bits, RLE8 with 8.
    BmpCompression Compression = BmpCompression::kNone;
    // A negative height: rows stored top first.
    bool TopDown = false;
    // The colours-used and colours-important fields, and the palette entries written; 0
    // writes every entry the bit depth allows, as the 12-byte header always does.
    int ColoursUsed = 16;
    // Bytes of kGapFill between the palette and the pixels.
    int GapBytes = 0;
    // RLE: stretches and rows of colour 0 skipped with moves.
    bool RleMoves = true;
    // The pixel offset field; -1: where the pixels start.
    std::int64_t OffsetField = -1;
    // The image size field; -1: the pixel data's size.
    std::int64_t ImageSizeField = -1;
};

// The bytes a gap holds: nothing a reader may take for pixels.
constexpr std::uint8_t kGapFill = 0xA5;

// The picture's pixels are masked to the bit depth. The RLE streams use every instruction
// the picture gives a use for: runs of one colour, with 4 bits runs of two alternating
// colours, absolute runs (padded to an even byte count), single pixels, with moves the
// moves right and up, end of line and end of bitmap.
Bytes EncodeBmp(const SheetPicture& picture, const BmpLayout& layout = {});

}  // namespace dev_support
