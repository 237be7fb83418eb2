#include "support/test_files.h"


namespace testing_support {

void PutLE16(Bytes& bytes, std::size_t offset, std::uint16_t value) {
    bytes.at(offset) = static_cast<std::uint8_t>(value & 0xFF);
    bytes.at(offset + 1) = static_cast<std::uint8_t>(value >> 8);
}

void PutLE32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes.at(offset + i) = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF);
    }
}

std::uint16_t GetLE16(const Bytes& bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes.at(offset) | (bytes.at(offset + 1) << 8));
}

std::uint32_t GetLE32(const Bytes& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | bytes.at(offset + i);
    }
    return value;
}

PaletteColour TestPaletteColour(int index) {
    // Sixteen clearly different colours, none of them grey twins of another.
    static const PaletteColour colours[16] = {
        {0, 0, 0},       {0, 0, 170},   {0, 170, 0},   {170, 170, 0},
        {170, 0, 0},     {170, 0, 170}, {0, 85, 170},  {170, 170, 170},
        {85, 85, 85},    {255, 85, 85}, {85, 255, 85}, {255, 255, 85},
        {85, 85, 255},   {255, 85, 255}, {85, 255, 255}, {255, 255, 255}};
    return colours[index & 15];
}

Bytes Build16ColourBitmap(int width, int height, const PixelColour& colour,
                          std::int32_t imageSizeField) {
    const int stride = ((width * 4 + 31) / 32) * 4;
    const std::size_t pixelBytes = static_cast<std::size_t>(stride) * height;
    Bytes bytes(118 + pixelBytes, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLE32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
    PutLE32(bytes, 10, 118);
    PutLE32(bytes, 14, 40);
    PutLE32(bytes, 18, static_cast<std::uint32_t>(width));
    PutLE32(bytes, 22, static_cast<std::uint32_t>(height));
    PutLE16(bytes, 26, 1);
    PutLE16(bytes, 28, 4);
    PutLE32(bytes, 30, 0);
    PutLE32(bytes, 34, imageSizeField < 0 ? static_cast<std::uint32_t>(pixelBytes)
                                          : static_cast<std::uint32_t>(imageSizeField));
    PutLE32(bytes, 38, 2835);
    PutLE32(bytes, 42, 2835);
    PutLE32(bytes, 46, 16);
    PutLE32(bytes, 50, 16);
    for (int i = 0; i < 16; ++i) {
        const PaletteColour c = TestPaletteColour(i);
        bytes[54 + 4 * i] = c.blue;
        bytes[54 + 4 * i + 1] = c.green;
        bytes[54 + 4 * i + 2] = c.red;
    }
    for (int y = 0; y < height; ++y) {
        const std::size_t row = 118 + static_cast<std::size_t>(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            const int c = colour(x, y) & 15;
            std::uint8_t& b = bytes[row + x / 2];
            b = (x % 2 == 0) ? static_cast<std::uint8_t>((b & 0x0F) | (c << 4))
                             : static_cast<std::uint8_t>((b & 0xF0) | c);
        }
    }
    return bytes;
}

int CellPatternColour(int x, int y) {
    const int cell = (y / 16) * 13 + (x / 16);
    return (x % 16) < 8 ? (cell % 15) + 1 : (cell / 15) % 16;
}

}  // namespace testing_support
