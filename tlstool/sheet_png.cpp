#include "sheet_png.h"

#include <png.h>

#include <new>
#include <string>

#include "base/refused_error.h"
#include "graphics/tile_sheet_format.h"

namespace tlstool {

namespace {

struct Output {
    std::vector<std::uint8_t> Bytes;
    bool OutOfMemory = false;
};

void Append(png_structp png, png_bytep data, std::size_t count) {
    auto& output = *static_cast<Output*>(png_get_io_ptr(png));
    try {
        output.Bytes.insert(output.Bytes.end(), data, data + count);
    } catch (const std::bad_alloc&) {
        output.OutOfMemory = true;
    }
    if (output.OutOfMemory) {
        png_error(png, "not enough memory");  // jumps back into WritePng
    }
}

void Flush(png_structp) {}

// Fast zlib compression: a sheet's flat areas and repeated cells still shrink well, and the
// tallest sheet is written in a few tens of milliseconds.
constexpr int kCompressionLevel = 1;

// Every libpng call in one function of plain locals, so that an error's jump back here
// skips nothing that needs destroying.
bool WritePng(const png_color* palette, png_bytepp rows, png_uint_32 height, Output* output) {
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
    png_set_write_fn(png, output, Append, Flush);
    png_set_IHDR(png, info, mosalind::kSheetWidth, height, 4, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_PLTE(png, info, palette, 16);
    png_set_compression_level(png, kCompressionLevel);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

std::vector<std::uint8_t> EncodeSheetPng(const mosalind::Bitmap& sheet, const std::string& name) {
    png_color palette[16]{};
    for (std::size_t i = 0; i < 16 && i < sheet.Palette.size(); ++i) {
        palette[i] = {sheet.Palette[i].Red, sheet.Palette[i].Green, sheet.Palette[i].Blue};
    }
    // The sheet's rows are already PNG's 4-bit rows (two pixels a byte, the left one in the
    // high four bits), stored bottom first.
    const auto height = static_cast<std::size_t>(sheet.InfoHeader.Height);
    std::vector<png_bytep> rows(height);
    auto* pixels = const_cast<png_bytep>(sheet.Pixels.data());
    for (std::size_t y = 0; y < height; ++y) {
        rows[y] = pixels + (height - 1 - y) * mosalind::kSheetBytesPerRow;
    }
    Output output;
    output.Bytes.reserve(sheet.Pixels.size() / 2 + 4096);
    if (!WritePng(palette, rows.data(), static_cast<png_uint_32>(height), &output)) {
        if (output.OutOfMemory) {
            throw std::bad_alloc();
        }
        throw mosalind::RefusedError("Cannot write the picture of " + name + ": libpng refused it");
    }
    return output.Bytes;
}

}  // namespace tlstool
