#include "sample_sheet/sheet_file.h"

#include <png.h>

#include <array>
#include <cstddef>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <system_error>

#include "sheet_palette.h"

namespace sample_sheet {

namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(std::uint8_t(value & 0xFF));
    out.push_back(std::uint8_t((value >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// The colour index of pixel (x, y), y counted from the top.
std::uint8_t SheetPixel(const std::vector<Entry>& sheet, std::uint32_t x, std::uint32_t y) {
    return sheet[(y / kCellSize) * kColumns + x / kCellSize]
        .Drawing.Pixels()[(y % kCellSize) * kCellSize + x % kCellSize];
}

void AppendPngBytes(png_structp png, png_bytep data, size_t count) {
    auto& out = *static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out.insert(out.end(), data, data + count);
}

// libpng's calls, in a function of plain locals only: an error jumps back to its start.
bool WritePng(png_const_colorp palette, png_bytepp rows, std::uint32_t height, std::vector<std::uint8_t>* out) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, out, AppendPngBytes, nullptr);
    png_set_IHDR(png, info, kColumns * kCellSize, height, 4, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_PLTE(png, info, palette, 16);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

std::vector<std::uint8_t> EncodeBitmap(const std::vector<Entry>& sheet, Layout layout) {
    constexpr std::uint32_t kWidth = kColumns * kCellSize;
    const std::uint32_t bits = layout == Layout::EightBit ? 8 : 4;
    const std::uint32_t stride = kWidth * bits / 8;  // 104 or 208 bytes: already a multiple of 4
    const std::uint32_t headerSize = layout == Layout::Header124 ? 124 : 40;
    const std::uint32_t pixelOffset = 14 + headerSize + 16 * 4;
    const std::uint32_t height = std::uint32_t(sheet.size() / kColumns) * kCellSize;
    const std::uint32_t imageSize = stride * height;

    std::vector<std::uint8_t> out;
    out.reserve(pixelOffset + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, pixelOffset + imageSize);
    Put32(out, 0);
    Put32(out, pixelOffset);
    Put32(out, headerSize);
    Put32(out, kWidth);
    Put32(out, height);
    Put16(out, 1);
    Put16(out, std::uint16_t(bits));
    Put32(out, 0);
    Put32(out, imageSize);
    Put32(out, 2835);  // 72 dots per inch
    Put32(out, 2835);
    Put32(out, 16);
    Put32(out, 16);
    if (layout == Layout::Header124) {
        for (int mask = 0; mask < 4; ++mask)
            Put32(out, 0);       // no channel masks: indexed colours
        Put32(out, 0x73524742);  // colour space "sRGB"
        for (int i = 0; i < 9 + 3; ++i)
            Put32(out, 0);  // end points and gamma: unused
        Put32(out, 4);      // rendering intent: pictures
        Put32(out, 0);      // no profile
        Put32(out, 0);
        Put32(out, 0);
    }
    for (const Rgb& c : kPalette) {
        out.push_back(c.Blue);
        out.push_back(c.Green);
        out.push_back(c.Red);
        out.push_back(0);
    }
    for (std::uint32_t row = height; row-- > 0;) {
        const auto pixel = [&](std::uint32_t px) { return SheetPixel(sheet, px, row); };
        for (std::uint32_t x = 0; x < kWidth; x += 2) {
            if (bits == 8) {
                out.push_back(std::uint8_t(pixel(x)));
                out.push_back(std::uint8_t(pixel(x + 1)));
            } else {
                out.push_back(std::uint8_t(pixel(x) << 4 | pixel(x + 1)));
            }
        }
    }
    return out;
}

std::vector<std::uint8_t> EncodePng(const std::vector<Entry>& sheet) {
    constexpr std::uint32_t kWidth = kColumns * kCellSize;
    const std::uint32_t height = std::uint32_t(sheet.size() / kColumns) * kCellSize;
    std::array<png_color, 16> palette{};
    for (std::size_t i = 0; i < kPalette.size(); ++i)
        palette[i] = {kPalette[i].Red, kPalette[i].Green, kPalette[i].Blue};
    std::vector<std::uint8_t> pixels(std::size_t(height) * kWidth / 2);
    std::vector<png_bytep> rows(height);
    for (std::uint32_t y = 0; y < height; ++y) {
        rows[y] = pixels.data() + std::size_t(y) * kWidth / 2;
        for (std::uint32_t x = 0; x < kWidth; x += 2)
            rows[y][x / 2] = std::uint8_t(SheetPixel(sheet, x, y) << 4 | SheetPixel(sheet, x + 1, y));
    }
    std::vector<std::uint8_t> out;
    if (!WritePng(palette.data(), rows.data(), height, &out))
        throw std::runtime_error("libpng could not write the sheet");
    return out;
}

bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::path temp = path;
    temp += ".tmp";
    {
        std::ofstream file(temp, std::ios::binary | std::ios::trunc);
        if (!file) {
            std::cerr << "make_sample_sheet: cannot write " << path << " (cannot create " << temp << ")\n";
            return false;
        }
        file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        file.close();
        if (!file) {
            std::cerr << "make_sample_sheet: cannot write " << path << "\n";
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temp, path, error);
    if (error) {
        std::cerr << "make_sample_sheet: cannot replace " << path << ": " << error.message() << "\n";
        std::filesystem::remove(temp, error);
        return false;
    }
    return true;
}

}  // namespace sample_sheet
