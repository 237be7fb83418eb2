#include "graphics/bitmap_rle.h"

#include <algorithm>
#include <cstring>

#include "graphics/bitmap_refusal.h"
#include "graphics/tile_sheet_format.h"

namespace mosalind {

namespace {

// The stream's place in the image: x from the left, row counted in stored order (bottom
// row 0). Both only grow, by at most 255 a step, so 64 bits cannot overflow.
struct RlePosition {
    std::int64_t X = 0;
    std::int64_t Row = 0;
};

[[noreturn]] void RefuseDamaged(const std::string& name, const char* what) {
    RefuseBitmap(name, std::string("its RLE pixel data is damaged: ") + what);
}

void CheckRun(const std::string& name, const RlePosition& at, std::int64_t count, std::int32_t rows) {
    if (at.Row >= rows) {
        RefuseDamaged(name, "a run comes after the last row");
    }
    if (at.X + count > kSheetWidth) {
        RefuseDamaged(name, "a run passes the end of its row");
    }
}

}  // namespace

void DecodeRle(const std::uint8_t* stream, std::size_t size, int bitsPerPixel, std::int32_t rows,
               const std::string& name, std::uint8_t* indices) {
    RlePosition at;
    std::size_t next = 0;
    while (size - next >= 2) {
        const std::uint8_t count = stream[next];
        const std::uint8_t value = stream[next + 1];
        next += 2;
        if (count > 0) {
            // An encoded run: one index, or for RLE4 two that alternate, high nibble first.
            CheckRun(name, at, count, rows);
            std::uint8_t* out = indices + at.Row * kSheetWidth + at.X;
            if (bitsPerPixel == 8) {
                std::memset(out, value, count);
            } else {
                const std::uint8_t pair[2] = {static_cast<std::uint8_t>(value >> 4),
                                              static_cast<std::uint8_t>(value & 0x0F)};
                for (int i = 0; i < count; ++i) {
                    out[i] = pair[i & 1];
                }
            }
            at.X += count;
        } else if (value == 0) {  // end of line
            at.X = 0;
            ++at.Row;
        } else if (value == 1) {  // end of bitmap
            return;
        } else if (value == 2) {  // move right and up
            if (size - next < 2) {
                return;
            }
            at.X += stream[next];
            at.Row += stream[next + 1];
            next += 2;
            if (at.X > kSheetWidth) {
                RefuseDamaged(name, "a move passes the end of its row");
            }
            if (at.Row > rows || (at.Row == rows && at.X > 0)) {
                RefuseDamaged(name, "a move passes the last row");
            }
        } else {
            // An absolute run of `value` pixels, its bytes padded to an even number.
            CheckRun(name, at, value, rows);
            const std::size_t bytes = bitsPerPixel == 8 ? value : (value + 1u) / 2;
            const std::size_t present = std::min(bytes, size - next);
            const std::size_t pixels = std::min<std::size_t>(value, bitsPerPixel == 8 ? present : 2 * present);
            std::uint8_t* out = indices + at.Row * kSheetWidth + at.X;
            const std::uint8_t* in = stream + next;
            for (std::size_t i = 0; i < pixels; ++i) {
                out[i] = bitsPerPixel == 8 ? in[i] : ((i & 1) ? in[i / 2] & 0x0F : in[i / 2] >> 4);
            }
            if (present < bytes) {
                return;  // the file ends inside the run
            }
            at.X += value;
            next += bytes + (bytes & 1);
            if (next > size) {
                return;
            }
        }
    }
}

}  // namespace mosalind
