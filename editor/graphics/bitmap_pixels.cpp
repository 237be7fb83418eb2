#include "graphics/bitmap_pixels.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "graphics/bitmap_refusal.h"
#include "graphics/bitmap_rle.h"
#include "graphics/tile_sheet_format.h"

namespace mosalind {

namespace {

// Stored 4-bit rows, 104 bytes each, turned bottom row first; bytes missing read as zero.
void TakeFourBitRows(const BitmapLayout& layout, std::vector<std::uint8_t>&& data, Bitmap& bitmap) {
    const std::size_t rows = static_cast<std::size_t>(layout.Rows);
    if (!layout.TopDown) {
        // Already the kept form: keep the buffer itself.
        data.resize(rows * kSheetBytesPerRow, 0);
        bitmap.Pixels = std::move(data);
        return;
    }
    bitmap.Pixels.assign(rows * kSheetBytesPerRow, 0);
    for (std::size_t stored = 0; stored < rows; ++stored) {
        const std::size_t from = stored * kSheetBytesPerRow;
        if (from >= data.size()) {
            break;
        }
        const std::size_t length = std::min<std::size_t>(kSheetBytesPerRow, data.size() - from);
        std::memcpy(bitmap.Pixels.data() + (rows - 1 - stored) * kSheetBytesPerRow, data.data() + from, length);
    }
}

}  // namespace

void PackSheetIndices(const std::vector<std::uint8_t>& indices, std::int32_t rows, const std::string& name,
                      Bitmap& bitmap) {
    const std::size_t pixels = static_cast<std::size_t>(rows) * kSheetWidth;
    bitmap.Pixels.assign(pixels / 2, 0);
    std::uint8_t seen = 0;
    for (std::size_t i = 0; i < pixels; i += 2) {
        seen |= indices[i] | indices[i + 1];
        bitmap.Pixels[i / 2] = static_cast<std::uint8_t>((indices[i] << 4) | (indices[i + 1] & 0x0F));
    }
    if (seen < 16) {
        return;
    }
    for (std::int32_t y = 0; y < rows; ++y) {
        const std::uint8_t* row = indices.data() + static_cast<std::size_t>(rows - 1 - y) * kSheetWidth;
        for (std::int32_t x = 0; x < kSheetWidth; ++x) {
            if (row[x] >= 16) {
                RefuseBitmap(name, "the pixel at x " + std::to_string(x) + ", y " + std::to_string(y) + " has colour " +
                                       std::to_string(row[x]) + "; an 8-bit sheet may use colours 0 to 15 only");
            }
        }
    }
}

namespace {

// Stored 8-bit rows, 208 bytes each, as one index a byte bottom row first.
std::vector<std::uint8_t> TakeEightBitRows(const BitmapLayout& layout, const std::vector<std::uint8_t>& data) {
    const std::size_t rows = static_cast<std::size_t>(layout.Rows);
    std::vector<std::uint8_t> indices(rows * kSheetWidth, 0);
    for (std::size_t stored = 0; stored < rows; ++stored) {
        const std::size_t from = stored * kSheetWidth;
        if (from >= data.size()) {
            break;
        }
        const std::size_t length = std::min<std::size_t>(kSheetWidth, data.size() - from);
        const std::size_t to = (layout.TopDown ? rows - 1 - stored : stored) * kSheetWidth;
        std::memcpy(indices.data() + to, data.data() + from, length);
    }
    return indices;
}

}  // namespace

void DecodeBitmapPixels(const BitmapLayout& layout, std::vector<std::uint8_t> data, const std::string& name,
                        Bitmap& bitmap) {
    if (layout.Compression != 0) {
        std::vector<std::uint8_t> indices(static_cast<std::size_t>(layout.Rows) * kSheetWidth, 0);
        DecodeRle(data.data(), data.size(), layout.BitsPerPixel, layout.Rows, name, indices.data());
        PackSheetIndices(indices, layout.Rows, name, bitmap);
    } else if (layout.BitsPerPixel == 8) {
        PackSheetIndices(TakeEightBitRows(layout, data), layout.Rows, name, bitmap);
    } else {
        TakeFourBitRows(layout, std::move(data), bitmap);
    }
}

}  // namespace mosalind
