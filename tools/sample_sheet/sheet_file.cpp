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

void put16(std::vector<std::uint8_t>& out, unsigned value) {
  out.push_back(std::uint8_t(value & 0xFF));
  out.push_back(std::uint8_t((value >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

// The colour index of pixel (x, y), y counted from the top.
std::uint8_t sheetPixel(const std::vector<Entry>& sheet, std::uint32_t x, std::uint32_t y) {
  return sheet[(y / kSize) * kColumns + x / kSize].cell.pixels()[(y % kSize) * kSize + x % kSize];
}

void appendPngBytes(png_structp png, png_bytep data, size_t count) {
  auto& out = *static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out.insert(out.end(), data, data + count);
}

// libpng's calls, in a function of plain locals only: an error jumps back to its start.
bool writePng(png_const_colorp palette, png_bytepp rows, std::uint32_t height, std::vector<std::uint8_t>* out) {
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
  png_set_write_fn(png, out, appendPngBytes, nullptr);
  png_set_IHDR(png, info, kColumns * kSize, height, 4, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
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

std::vector<std::uint8_t> encodeBitmap(const std::vector<Entry>& sheet, Layout layout) {
  constexpr std::uint32_t kWidth = kColumns * kSize;
  const std::uint32_t bits = layout == Layout::EightBit ? 8 : 4;
  const std::uint32_t stride = kWidth * bits / 8;  // 104 or 208 bytes: already a multiple of 4
  const std::uint32_t headerSize = layout == Layout::Header124 ? 124 : 40;
  const std::uint32_t pixelOffset = 14 + headerSize + 16 * 4;
  const std::uint32_t height = std::uint32_t(sheet.size() / kColumns) * kSize;
  const std::uint32_t imageSize = stride * height;

  std::vector<std::uint8_t> out;
  out.reserve(pixelOffset + imageSize);
  out.push_back('B');
  out.push_back('M');
  put32(out, pixelOffset + imageSize);
  put32(out, 0);
  put32(out, pixelOffset);
  put32(out, headerSize);
  put32(out, kWidth);
  put32(out, height);
  put16(out, 1);
  put16(out, std::uint16_t(bits));
  put32(out, 0);
  put32(out, imageSize);
  put32(out, 2835);  // 72 dots per inch
  put32(out, 2835);
  put32(out, 16);
  put32(out, 16);
  if (layout == Layout::Header124) {
    for (int mask = 0; mask < 4; ++mask) put32(out, 0);  // no channel masks: indexed colours
    put32(out, 0x73524742);                               // colour space "sRGB"
    for (int i = 0; i < 9 + 3; ++i) put32(out, 0);        // end points and gamma: unused
    put32(out, 4);                                        // rendering intent: pictures
    put32(out, 0);                                        // no profile
    put32(out, 0);
    put32(out, 0);
  }
  for (const Rgb& c : kPalette) {
    out.push_back(c.blue);
    out.push_back(c.green);
    out.push_back(c.red);
    out.push_back(0);
  }
  for (std::uint32_t row = height; row-- > 0;) {
    const auto pixel = [&](std::uint32_t px) { return sheetPixel(sheet, px, row); };
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

std::vector<std::uint8_t> encodePng(const std::vector<Entry>& sheet) {
  constexpr std::uint32_t kWidth = kColumns * kSize;
  const std::uint32_t height = std::uint32_t(sheet.size() / kColumns) * kSize;
  std::array<png_color, 16> palette{};
  for (std::size_t i = 0; i < kPalette.size(); ++i) palette[i] = {kPalette[i].red, kPalette[i].green, kPalette[i].blue};
  std::vector<std::uint8_t> pixels(std::size_t(height) * kWidth / 2);
  std::vector<png_bytep> rows(height);
  for (std::uint32_t y = 0; y < height; ++y) {
    rows[y] = pixels.data() + std::size_t(y) * kWidth / 2;
    for (std::uint32_t x = 0; x < kWidth; x += 2)
      rows[y][x / 2] = std::uint8_t(sheetPixel(sheet, x, y) << 4 | sheetPixel(sheet, x + 1, y));
  }
  std::vector<std::uint8_t> out;
  if (!writePng(palette.data(), rows.data(), height, &out)) throw std::runtime_error("libpng could not write the sheet");
  return out;
}

bool writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
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
