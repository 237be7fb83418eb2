#include "sheet_encoding.h"

#include <algorithm>
#include <cstddef>

namespace fuzzing {

namespace {

constexpr std::uint8_t kGapFill = 0xEE;

// The information header: size, width, height, planes, bits, then (40 bytes and more)
// compression, image size, resolution, colours used and important; the longer headers
// add colour masks and colour-space fields, which an indexed sheet does not use.
Bytes InfoHeader(const SheetPicture& picture, const SheetLayout& layout, std::uint32_t imageBytes) {
    Bytes info(static_cast<std::size_t>(layout.headerBytes), 0);
    PutLE32(info, 0, static_cast<std::uint32_t>(layout.headerBytes));
    if (layout.headerBytes == 12) {
        PutLE16(info, 4, kSheetWidth);
        PutLE16(info, 6, static_cast<std::uint32_t>(picture.rows));
        PutLE16(info, 8, 1);
        PutLE16(info, 10, static_cast<std::uint32_t>(layout.bitsPerPixel));
        return info;
    }
    PutLE32(info, 4, kSheetWidth);
    PutLE32(info, 8, static_cast<std::uint32_t>(layout.topDown ? -picture.rows : picture.rows));
    PutLE16(info, 12, 1);
    PutLE16(info, 14, static_cast<std::uint32_t>(layout.bitsPerPixel));
    PutLE32(info, 16, static_cast<std::uint32_t>(layout.compression));
    PutLE32(info, 20, imageBytes);
    PutLE32(info, 24, 2835);  // 72 dots per inch
    PutLE32(info, 28, 2835);
    PutLE32(info, 32, static_cast<std::uint32_t>(layout.paletteEntries));
    if (layout.headerBytes >= 108) {
        PutLE32(info, 56, 0x73524742);  // colour space "sRGB"
    }
    if (layout.headerBytes == 124) {
        PutLE32(info, 108, 4);  // rendering intent: pictures
    }
    return info;
}

// Uncompressed rows in stored order, padded to 4 bytes (104 and 208 already are).
Bytes PlainRows(const SheetPicture& picture, const SheetLayout& layout) {
    Bytes rows;
    for (int stored = 0; stored < picture.rows; ++stored) {
        const int y = layout.topDown ? stored : picture.rows - 1 - stored;
        const std::uint8_t* row = picture.indices.data() + static_cast<std::size_t>(y) * kSheetWidth;
        for (int x = 0; x < kSheetWidth; x += layout.bitsPerPixel == 4 ? 2 : 1) {
            rows.push_back(layout.bitsPerPixel == 4 ? static_cast<std::uint8_t>((row[x] << 4) | row[x + 1]) : row[x]);
        }
    }
    return rows;
}

int SameRun(const std::uint8_t* row, int x) {
    int length = 1;
    while (x + length < kSheetWidth && row[x + length] == row[x]) {
        ++length;
    }
    return length;
}

// Pixels from x on that alternate between two colours: a, b, a, b, ...
int AlternatingRun(const std::uint8_t* row, int x) {
    if (x + 1 >= kSheetWidth || row[x + 1] == row[x]) {
        return 1;
    }
    int length = 2;
    while (x + length < kSheetWidth && row[x + length] == row[x + length - 2]) {
        ++length;
    }
    return length;
}

bool AllZero(const std::uint8_t* pixels, std::size_t count) {
    return std::all_of(pixels, pixels + count, [](std::uint8_t index) { return index == 0; });
}

// One row of RLE: runs of one colour as encoded runs (RLE4 also runs of two alternating
// colours), mixed stretches of three pixels or more in absolute mode (padded to an even
// byte count), and with moves, stretches of four or more zeros skipped; then an end of line.
void RleRow(const std::uint8_t* row, const SheetLayout& layout, Bytes& stream) {
    const bool eightBit = layout.bitsPerPixel == 8;
    int x = 0;
    while (x < kSheetWidth) {
        const int run = SameRun(row, x);
        const int alternating = eightBit ? 1 : AlternatingRun(row, x);
        if (alternating >= 5) {
            stream.push_back(static_cast<std::uint8_t>(alternating));
            stream.push_back(static_cast<std::uint8_t>((row[x] << 4) | row[x + 1]));
            x += alternating;
            continue;
        }
        if (layout.rleMoves && row[x] == 0 && run >= 4) {
            if (x + run == kSheetWidth) {
                break;  // the end of line leaves the rest at 0
            }
            stream.insert(stream.end(), {0, 2, static_cast<std::uint8_t>(run), 0});
            x += run;
            continue;
        }
        if (run >= 2) {
            stream.push_back(static_cast<std::uint8_t>(run));
            stream.push_back(eightBit ? row[x] : static_cast<std::uint8_t>(row[x] * 0x11));
            x += run;
            continue;
        }
        int end = x + 1;  // a mixed stretch ends where a run of either kind begins
        while (end < kSheetWidth && SameRun(row, end) < 2 && (eightBit || AlternatingRun(row, end) < 5)) {
            ++end;
        }
        const int length = end - x;
        if (length < 3) {
            for (; x < end; ++x) {
                stream.push_back(1);
                stream.push_back(eightBit ? row[x] : static_cast<std::uint8_t>(row[x] << 4));
            }
            continue;
        }
        stream.push_back(0);
        stream.push_back(static_cast<std::uint8_t>(length));
        Bytes literal;
        for (int i = 0; i < length; i += eightBit ? 1 : 2) {
            literal.push_back(eightBit ? row[x + i]
                                       : static_cast<std::uint8_t>((row[x + i] << 4) | (i + 1 < length ? row[x + i + 1] : 0)));
        }
        if (literal.size() % 2 != 0) {
            literal.push_back(0);
        }
        stream.insert(stream.end(), literal.begin(), literal.end());
        x = end;
    }
    stream.insert(stream.end(), {0, 0});
}

// Rows bottom first, each ended by an end of line; with moves, a row of colour 0 is a move
// up one row instead. The end of bitmap comes right after the last row with colour in it.
Bytes RleRows(const SheetPicture& picture, const SheetLayout& layout) {
    int top = 0;  // the top row with colour in it
    while (top < picture.rows && AllZero(picture.indices.data() + static_cast<std::size_t>(top) * kSheetWidth, kSheetWidth)) {
        ++top;
    }
    Bytes stream;
    for (int y = picture.rows - 1; y >= top; --y) {
        const std::uint8_t* row = picture.indices.data() + static_cast<std::size_t>(y) * kSheetWidth;
        if (layout.rleMoves && AllZero(row, kSheetWidth)) {
            stream.insert(stream.end(), {0, 2, 0, 1});
            continue;
        }
        RleRow(row, layout, stream);
    }
    stream.insert(stream.end(), {0, 1});
    return stream;
}

}  // namespace

const std::vector<SheetLayout>& SheetLayouts() {
    static const std::vector<SheetLayout> layouts = {
        {"classic-4-bit", 40, 4, 0, false, 0, 0, false},
        {"core-header-12", 12, 4, 0, false, 0, 0, false},
        {"header-52", 52, 4, 0, false, 0, 0, false},
        {"header-56", 56, 4, 0, false, 0, 0, false},
        {"header-108", 108, 4, 0, false, 0, 0, false},
        {"header-124", 124, 4, 0, false, 0, 0, false},
        {"eight-bit", 40, 8, 0, false, 0, 0, false},
        {"core-header-eight-bit", 12, 8, 0, false, 0, 0, false},
        {"top-down", 40, 4, 0, true, 0, 0, false},
        {"top-down-eight-bit", 124, 8, 0, true, 16, 0, false},
        {"rle4", 40, 4, 2, false, 0, 0, false},
        {"rle4-moves", 40, 4, 2, false, 0, 0, true},
        {"rle8", 40, 8, 1, false, 16, 0, false},
        {"rle8-moves", 108, 8, 1, false, 0, 0, true},
        {"short-palette", 40, 4, 0, false, 5, 0, false},
        {"gap-before-pixels", 40, 4, 0, false, 0, 300, false},
    };
    return layouts;
}

Bytes EncodeSheet(const SheetPicture& picture, const SheetLayout& layout) {
    const Bytes pixels = layout.compression == 0 ? PlainRows(picture, layout) : RleRows(picture, layout);
    const int entries = layout.paletteEntries != 0 && layout.headerBytes != 12 ? layout.paletteEntries
                                                                                : 1 << layout.bitsPerPixel;
    const int entryBytes = layout.headerBytes == 12 ? 3 : 4;

    Bytes file(14, 0);
    file[0] = 'B';
    file[1] = 'M';
    const Bytes info = InfoHeader(picture, layout, static_cast<std::uint32_t>(pixels.size()));
    file.insert(file.end(), info.begin(), info.end());
    for (int i = 0; i < entries; ++i) {
        const std::array<std::uint8_t, 4> entry =
            i < 16 ? picture.palette[static_cast<std::size_t>(i)] : std::array<std::uint8_t, 4>{};
        file.insert(file.end(), entry.begin(), entry.begin() + entryBytes);
    }
    file.insert(file.end(), static_cast<std::size_t>(layout.gapBytes), kGapFill);
    PutLE32(file, 10, static_cast<std::uint32_t>(file.size()));
    file.insert(file.end(), pixels.begin(), pixels.end());
    PutLE32(file, 2, static_cast<std::uint32_t>(file.size()));
    return file;
}

}  // namespace fuzzing
