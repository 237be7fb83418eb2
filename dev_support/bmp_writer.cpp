#include "dev_support/bmp_writer.h"

#include <algorithm>
#include <cstddef>

namespace dev_support {

namespace {

constexpr int kLongestRun = 255;  // an RLE count is one byte

// The picture's indices, top row first, masked to the bit depth.
struct IndexGrid {
    int Width;
    int Height;
    Bytes Indices;

    const std::uint8_t* Row(int y) const { return Indices.data() + static_cast<std::size_t>(y) * Width; }
};

IndexGrid GridOf(const SheetPicture& picture, int bitsPerPixel) {
    IndexGrid grid{picture.Width, picture.Height, {}};
    grid.Indices.reserve(static_cast<std::size_t>(picture.Width) * picture.Height);
    const int mask = (1 << bitsPerPixel) - 1;
    for (int y = 0; y < picture.Height; ++y) {
        for (int x = 0; x < picture.Width; ++x) {
            grid.Indices.push_back(static_cast<std::uint8_t>(picture.Index(x, y) & mask));
        }
    }
    return grid;
}

// The information header: size, width, height, planes, bits, then (40 bytes and more)
// compression, image size, resolution, colours used and important; the longer headers add
// colour masks and colour-space fields, which an indexed sheet leaves at "sRGB".
Bytes InfoHeader(const IndexGrid& grid, const BmpLayout& layout, std::uint32_t imageBytes) {
    Bytes info(static_cast<std::size_t>(layout.HeaderSize), 0);
    PutLE32(info, 0, static_cast<std::uint32_t>(layout.HeaderSize));
    if (layout.HeaderSize == 12) {
        PutLE16(info, 4, static_cast<std::uint32_t>(grid.Width));
        PutLE16(info, 6, static_cast<std::uint32_t>(grid.Height));
        PutLE16(info, 8, 1);
        PutLE16(info, 10, static_cast<std::uint32_t>(layout.BitsPerPixel));
        return info;
    }
    PutLE32(info, 4, static_cast<std::uint32_t>(grid.Width));
    PutLE32(info, 8, static_cast<std::uint32_t>(layout.TopDown ? -grid.Height : grid.Height));
    PutLE16(info, 12, 1);
    PutLE16(info, 14, static_cast<std::uint32_t>(layout.BitsPerPixel));
    PutLE32(info, 16, static_cast<std::uint32_t>(layout.Compression));
    PutLE32(info, 20, layout.ImageSizeField < 0 ? imageBytes : static_cast<std::uint32_t>(layout.ImageSizeField));
    PutLE32(info, 24, 2835);  // 72 dots per inch
    PutLE32(info, 28, 2835);
    PutLE32(info, 32, static_cast<std::uint32_t>(layout.ColoursUsed));
    PutLE32(info, 36, static_cast<std::uint32_t>(layout.ColoursUsed));
    if (layout.HeaderSize >= 108) {
        PutLE32(info, 56, 0x73524742);  // colour space "sRGB"
    }
    if (layout.HeaderSize == 124) {
        PutLE32(info, 108, 4);  // rendering intent: pictures
    }
    return info;
}

// Uncompressed rows in stored order, each padded to 4 bytes; with 4 bits the left pixel
// of a pair is in the high half of its byte.
Bytes PlainRows(const IndexGrid& grid, const BmpLayout& layout) {
    const bool eightBit = layout.BitsPerPixel == 8;
    const std::size_t stride = (static_cast<std::size_t>(grid.Width) * layout.BitsPerPixel + 31) / 32 * 4;
    Bytes rows(stride * grid.Height, 0);
    for (int stored = 0; stored < grid.Height; ++stored) {
        const std::uint8_t* row = grid.Row(layout.TopDown ? stored : grid.Height - 1 - stored);
        std::uint8_t* out = rows.data() + stride * stored;
        for (int x = 0; x < grid.Width; ++x) {
            if (eightBit) {
                out[x] = row[x];
            } else {
                out[x / 2] |= static_cast<std::uint8_t>(x % 2 == 0 ? row[x] << 4 : row[x]);
            }
        }
    }
    return rows;
}

int SameRun(const std::uint8_t* row, int width, int x) {
    int length = 1;
    while (x + length < width && length < kLongestRun && row[x + length] == row[x]) {
        ++length;
    }
    return length;
}

// Pixels from x on that alternate between two colours: a, b, a, b, ...
int AlternatingRun(const std::uint8_t* row, int width, int x) {
    if (x + 1 >= width || row[x + 1] == row[x]) {
        return 1;
    }
    int length = 2;
    while (x + length < width && length < kLongestRun && row[x + length] == row[x + length - 2]) {
        ++length;
    }
    return length;
}

bool AllZero(const std::uint8_t* pixels, int count) {
    return std::all_of(pixels, pixels + count, [](std::uint8_t index) { return index == 0; });
}

// One row of RLE: runs of one colour as encoded runs (RLE4 also runs of two alternating
// colours), mixed stretches of three pixels or more in absolute mode (padded to an even
// byte count), shorter ones pixel by pixel, and with moves, stretches of four or more zeros
// skipped; then an end of line, which also leaves a row's last zeros at 0.
void RleRow(const std::uint8_t* row, int width, const BmpLayout& layout, Bytes& stream) {
    const bool eightBit = layout.BitsPerPixel == 8;
    int x = 0;
    while (x < width) {
        const int run = SameRun(row, width, x);
        const int alternating = eightBit ? 1 : AlternatingRun(row, width, x);
        if (alternating >= 5) {
            stream.push_back(static_cast<std::uint8_t>(alternating));
            stream.push_back(static_cast<std::uint8_t>((row[x] << 4) | row[x + 1]));
            x += alternating;
            continue;
        }
        if (layout.RleMoves && row[x] == 0 && run >= 4) {
            if (x + run == width) {
                break;
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
        while (end < width && end - x < kLongestRun && SameRun(row, width, end) < 2 &&
               (eightBit || AlternatingRun(row, width, end) < 5)) {
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
        const std::size_t start = stream.size();
        for (int i = 0; i < length; i += eightBit ? 1 : 2) {
            stream.push_back(
                eightBit ? row[x + i]
                         : static_cast<std::uint8_t>((row[x + i] << 4) | (i + 1 < length ? row[x + i + 1] : 0)));
        }
        if ((stream.size() - start) % 2 != 0) {
            stream.push_back(0);
        }
        x = end;
    }
    stream.insert(stream.end(), {0, 0});
}

// Rows bottom first, each ended by an end of line; with moves, a row of colour 0 is a move
// up one row instead. The end of bitmap comes right after the last row with colour in it.
Bytes RleRows(const IndexGrid& grid, const BmpLayout& layout) {
    int top = 0;  // the top row with colour in it
    while (top < grid.Height && AllZero(grid.Row(top), grid.Width)) {
        ++top;
    }
    Bytes stream;
    for (int y = grid.Height - 1; y >= top; --y) {
        if (layout.RleMoves && AllZero(grid.Row(y), grid.Width)) {
            stream.insert(stream.end(), {0, 2, 0, 1});
            continue;
        }
        RleRow(grid.Row(y), grid.Width, layout, stream);
    }
    stream.insert(stream.end(), {0, 1});
    return stream;
}

}  // namespace

Bytes EncodeBmp(const SheetPicture& picture, const BmpLayout& layout) {
    const IndexGrid grid = GridOf(picture, layout.BitsPerPixel);
    const Bytes pixels = layout.Compression == BmpCompression::kNone ? PlainRows(grid, layout) : RleRows(grid, layout);
    const bool coreHeader = layout.HeaderSize == 12;
    const int entries = coreHeader || layout.ColoursUsed == 0 ? 1 << layout.BitsPerPixel : layout.ColoursUsed;

    Bytes file(14, 0);
    file[0] = 'B';
    file[1] = 'M';
    const Bytes info = InfoHeader(grid, layout, static_cast<std::uint32_t>(pixels.size()));
    file.insert(file.end(), info.begin(), info.end());
    for (int i = 0; i < entries; ++i) {
        const PaletteEntry entry =
            static_cast<std::size_t>(i) < picture.Palette.size() ? picture.Palette[i] : PaletteEntry{};
        file.insert(file.end(), {entry.Blue, entry.Green, entry.Red});
        if (!coreHeader) {
            file.push_back(entry.Reserved);
        }
    }
    file.insert(file.end(), static_cast<std::size_t>(layout.GapBytes), kGapFill);
    PutLE32(file, 10,
            layout.OffsetField < 0 ? static_cast<std::uint32_t>(file.size())
                                   : static_cast<std::uint32_t>(layout.OffsetField));
    file.insert(file.end(), pixels.begin(), pixels.end());
    PutLE32(file, 2, static_cast<std::uint32_t>(file.size()));
    return file;
}

}  // namespace dev_support
