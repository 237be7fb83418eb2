#include "support/bitmap_variants.h"

#include "support/test_files.h"

namespace testing_support {

namespace {

constexpr int kWidth = 208;

void Append(Bytes& bytes, std::initializer_list<int> values) {
    for (int v : values) {
        bytes.push_back(static_cast<std::uint8_t>(v));
    }
}

// An absolute run of pixels [from, to) of image row y, padded to an even byte count.
void AppendAbsolute(Bytes& stream, int bits, int y, int from, int to) {
    const int count = to - from;
    Append(stream, {0, count});
    const std::size_t start = stream.size();
    for (int x = from; x < to; ++x) {
        const int c = VariantPictureColour(x, y);
        if (bits == 8) {
            stream.push_back(static_cast<std::uint8_t>(c));
        } else if ((x - from) % 2 == 0) {
            stream.push_back(static_cast<std::uint8_t>(c << 4));
        } else {
            stream.back() |= static_cast<std::uint8_t>(c);
        }
    }
    if ((stream.size() - start) % 2 != 0) {
        stream.push_back(0);
    }
}

// The picture as an RLE stream, bottom row first, using every kind of instruction.
Bytes EncodeRle(int bits) {
    Bytes stream;
    for (int stored = 0; stored < kVariantPictureHeight; ++stored) {
        const int y = kVariantPictureHeight - 1 - stored;
        if (y % 16 == 5) {
            Append(stream, {0, 2, 0, 1});  // a row of colour 0: move one row up
            continue;
        }
        for (int x = 0; x < 48; x += 16) {  // solid runs
            const int c = VariantPictureColour(x, y);
            Append(stream, {16, bits == 8 ? c : (c << 4) | c});
        }
        if (bits == 4) {  // the two colours alternate: one run
            Append(stream, {16, (VariantPictureColour(48, y) << 4) | VariantPictureColour(49, y)});
        } else {
            AppendAbsolute(stream, bits, y, 48, 64);
        }
        AppendAbsolute(stream, bits, y, 64, 117);  // an odd count: padded
        Append(stream, {0, 2, 23, 0});             // colour 0 from 117 to 139
        AppendAbsolute(stream, bits, y, 140, kWidth);
        Append(stream, {0, stored == kVariantPictureHeight - 1 ? 1 : 0});
    }
    return stream;
}

Bytes StoreRows(int bits, bool topDown) {
    const int stride = bits == 8 ? kWidth : kWidth / 2;
    Bytes pixels(static_cast<std::size_t>(stride) * kVariantPictureHeight, 0);
    for (int y = 0; y < kVariantPictureHeight; ++y) {
        const int stored = topDown ? y : kVariantPictureHeight - 1 - y;
        for (int x = 0; x < kWidth; ++x) {
            const int c = VariantPictureColour(x, y);
            std::uint8_t& b = pixels[static_cast<std::size_t>(stored) * stride + (bits == 8 ? x : x / 2)];
            b |= static_cast<std::uint8_t>(bits == 8 ? c : (x % 2 == 0 ? c << 4 : c));
        }
    }
    return pixels;
}

}  // namespace

int VariantPictureColour(int x, int y) {
    if (y % 16 == 5 || (x >= 117 && x < 140)) {
        return 0;
    }
    if (x < 48) {
        return (y / 4 + x / 16) % 16;
    }
    if (x < 64) {
        return (x % 2 == 0) ? y % 16 : (y + 7) % 16;
    }
    return (x * 3 + y * 5) % 16;
}

Bytes BuildBitmapVariant(const BitmapVariant& v) {
    const Bytes pixels = v.compression == 0 ? StoreRows(v.bits, v.topDown) : EncodeRle(v.bits);
    const int entries = v.headerSize == 12 || v.coloursUsed == 0 ? 1 << v.bits : v.coloursUsed;
    const int entryBytes = v.headerSize == 12 ? 3 : 4;
    const std::size_t pixelStart = 14 + v.headerSize + static_cast<std::size_t>(entries) * entryBytes + v.gap;

    Bytes bytes(pixelStart, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLE32(bytes, 10, v.zeroOffset ? 0 : static_cast<std::uint32_t>(pixelStart));
    PutLE32(bytes, 14, static_cast<std::uint32_t>(v.headerSize));
    if (v.headerSize == 12) {
        PutLE16(bytes, 18, kWidth);
        PutLE16(bytes, 20, kVariantPictureHeight);
        PutLE16(bytes, 22, 1);
        PutLE16(bytes, 24, static_cast<std::uint16_t>(v.bits));
    } else {
        PutLE32(bytes, 18, kWidth);
        PutLE32(bytes, 22, static_cast<std::uint32_t>(v.topDown ? -kVariantPictureHeight : kVariantPictureHeight));
        PutLE16(bytes, 26, 1);
        PutLE16(bytes, 28, static_cast<std::uint16_t>(v.bits));
        PutLE32(bytes, 30, static_cast<std::uint32_t>(v.compression));
        PutLE32(bytes, 34, static_cast<std::uint32_t>(pixels.size()));
        PutLE32(bytes, 46, static_cast<std::uint32_t>(v.coloursUsed));
    }
    for (int i = 0; i < entries; ++i) {
        const PaletteColour c = TestPaletteColour(i);
        const std::size_t at = 14 + v.headerSize + static_cast<std::size_t>(i) * entryBytes;
        bytes[at] = c.blue;
        bytes[at + 1] = c.green;
        bytes[at + 2] = c.red;
    }
    // The gap holds bytes that must not be taken for pixels.
    for (int i = 0; i < v.gap; ++i) {
        bytes[pixelStart - v.gap + i] = 0xA5;
    }
    bytes.insert(bytes.end(), pixels.begin(), pixels.end());
    PutLE32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
    return bytes;
}

}  // namespace testing_support
