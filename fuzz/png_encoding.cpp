#include "png_encoding.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <string>

namespace fuzzing {

namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t kMostIdatBytes = 4096;

void AppendBE32(Bytes& bytes, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

// Length, type, data and the CRC of type and data.
void AppendChunk(Bytes& file, const char* type, const Bytes& data) {
    AppendBE32(file, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = file.size();
    file.insert(file.end(), type, type + 4);
    file.insert(file.end(), data.begin(), data.end());
    AppendBE32(file, static_cast<std::uint32_t>(crc32(0, file.data() + typeAt, static_cast<uInt>(4 + data.size()))));
}

struct Pass {
    int x, y, dx, dy;
};

// The seven Adam7 passes, or the whole image as one.
std::vector<Pass> PassesOf(bool interlaced) {
    if (!interlaced) {
        return {{0, 0, 1, 1}};
    }
    return {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4}, {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
}

// Every pass's rows, each a filter byte and the packed pixels (left pixel in the high
// bits). Rows take turns with the filters None, Sub and Up, as encoders that pick a filter
// per row do; a byte is one pixel's worth (bpp) for Sub, 1 at every indexed depth.
Bytes FilteredRows(const SheetPicture& picture, const PngLayout& layout) {
    Bytes out;
    int rowNumber = 0;
    for (const Pass& pass : PassesOf(layout.interlaced)) {
        const int columns = (kSheetWidth - pass.x + pass.dx - 1) / pass.dx;
        const std::size_t rowBytes = (static_cast<std::size_t>(columns) * layout.bitDepth + 7) / 8;
        Bytes prior(rowBytes, 0);
        for (int y = pass.y; y < picture.rows; y += pass.dy) {
            Bytes raw(rowBytes, 0);
            for (int i = 0; i < columns; ++i) {
                const int x = pass.x + i * pass.dx;
                const int bit = i * layout.bitDepth;
                const int index = picture.indices[static_cast<std::size_t>(y) * kSheetWidth + x];
                raw[bit / 8] |= static_cast<std::uint8_t>(index << (8 - layout.bitDepth - bit % 8));
            }
            const int filter = rowNumber++ % 3;  // 0 None, 1 Sub, 2 Up
            out.push_back(static_cast<std::uint8_t>(filter));
            for (std::size_t i = 0; i < rowBytes; ++i) {
                const std::uint8_t left = i > 0 ? raw[i - 1] : 0;
                const std::uint8_t up = prior[i];
                out.push_back(static_cast<std::uint8_t>(raw[i] - (filter == 1 ? left : filter == 2 ? up : 0)));
            }
            prior = raw;
        }
    }
    return out;
}

Bytes Compressed(const Bytes& data) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    Bytes out(size);
    if (compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), 9) != Z_OK) {
        std::fprintf(stderr, "zlib could not compress a PNG sheet\n");
        std::abort();
    }
    out.resize(size);
    return out;
}

}  // namespace

const std::vector<PngLayout>& PngLayouts() {
    static const std::vector<PngLayout> layouts = {
        {"1-bit", 1, false, 0, false},
        {"2-bit", 2, false, 0, false},
        {"4-bit", 4, false, 0, false},
        {"8-bit-256-colours", 8, false, 256, false},
        {"4-bit-interlaced", 4, true, 0, false},
        {"2-bit-interlaced", 2, true, 0, false},
        {"8-bit-interlaced", 8, true, 16, false},
        {"4-bit-short-palette", 4, false, 9, false},
        {"4-bit-transparency-colour-space-text", 4, false, 0, true},
    };
    return layouts;
}

bool PngLayoutFits(const SheetPicture& picture, const PngLayout& layout) {
    const int most = layout.bitDepth >= 4 ? 15 : (1 << layout.bitDepth) - 1;
    return std::all_of(picture.indices.begin(), picture.indices.end(), [most](std::uint8_t i) { return i <= most; });
}

Bytes EncodePngSheet(const SheetPicture& picture, const PngLayout& layout) {
    Bytes file(kSignature, kSignature + 8);

    Bytes header;
    AppendBE32(header, kSheetWidth);
    AppendBE32(header, static_cast<std::uint32_t>(picture.rows));
    header.push_back(static_cast<std::uint8_t>(layout.bitDepth));
    header.push_back(3);  // colour type: palette
    header.push_back(0);  // deflate
    header.push_back(0);  // adaptive filters
    header.push_back(layout.interlaced ? 1 : 0);
    AppendChunk(file, "IHDR", header);

    if (layout.ancillary) {
        AppendChunk(file, "gAMA", {0, 0, 0xB1, 0x8F});  // 1 / 2.2
        AppendChunk(file, "sRGB", {0});
        const std::string text = std::string("Software") + '\0' + "fuzz seeds";
        AppendChunk(file, "tEXt", Bytes(text.begin(), text.end()));
    }
    const int entries = layout.paletteEntries != 0 ? layout.paletteEntries : std::min(16, 1 << layout.bitDepth);
    Bytes palette;
    for (int i = 0; i < entries; ++i) {
        if (i < 16) {
            const auto& entry = picture.palette[static_cast<std::size_t>(i)];
            palette.insert(palette.end(), {entry[2], entry[1], entry[0]});
        } else {
            const auto grey = static_cast<std::uint8_t>(i);
            palette.insert(palette.end(), {grey, grey, grey});
        }
    }
    AppendChunk(file, "PLTE", palette);
    if (layout.ancillary) {
        AppendChunk(file, "tRNS", {0, 128, 255});  // alpha of entries 0 to 2
    }

    const Bytes stream = Compressed(FilteredRows(picture, layout));
    for (std::size_t at = 0; at < stream.size(); at += kMostIdatBytes) {
        const std::size_t end = std::min(stream.size(), at + kMostIdatBytes);
        AppendChunk(file, "IDAT", Bytes(stream.begin() + static_cast<std::ptrdiff_t>(at),
                                        stream.begin() + static_cast<std::ptrdiff_t>(end)));
    }
    AppendChunk(file, "IEND", {});
    return file;
}

}  // namespace fuzzing
