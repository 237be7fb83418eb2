#include "support/png_files.h"

#include <png.h>

#include <stdexcept>
#include <vector>

namespace testing_support {

namespace {

void AppendTo(png_structp png, png_bytep data, size_t count) {
    Bytes& out = *static_cast<Bytes*>(png_get_io_ptr(png));
    out.insert(out.end(), data, data + count);
}

// Every libpng call in one function of plain locals: an error jumps back here.
bool WritePng(const PngPicture& picture, const png_color* palette, png_bytepp rows, Bytes* out) {
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
    png_set_write_fn(png, out, AppendTo, nullptr);
    png_set_check_for_invalid_index(png, 0);  // indices past a short palette are allowed
    png_set_IHDR(png, info, picture.width, picture.height, picture.bitDepth, picture.colourType,
                 picture.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (picture.colourType == PNG_COLOR_TYPE_PALETTE) {
        png_set_PLTE(png, info, palette, picture.paletteEntries);
    }
    png_write_info(png, info);
    png_set_packing(png);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

Bytes BuildPng(const PngPicture& picture) {
    std::vector<png_color> palette(256);
    for (int i = 0; i < picture.paletteEntries; ++i) {
        const PaletteColour c = TestPaletteColour(i);
        palette[i] = {c.red, c.green, c.blue};
    }
    const int channels = picture.colourType == 3 || picture.colourType == 0 ? 1
                         : picture.colourType == 4                          ? 2
                         : picture.colourType == 2                          ? 3
                                                                            : 4;
    Bytes pixels(static_cast<std::size_t>(picture.width) * picture.height * channels);
    std::vector<png_bytep> rows(picture.height);
    for (int y = 0; y < picture.height; ++y) {
        rows[y] = pixels.data() + static_cast<std::size_t>(y) * picture.width * channels;
        for (int x = 0; x < picture.width; ++x) {
            const int index = picture.colour(x, y);
            const PaletteColour c = TestPaletteColour(index);
            const std::uint8_t grey = static_cast<std::uint8_t>((index & 15) * 17);
            std::uint8_t* sample = rows[y] + static_cast<std::size_t>(x) * channels;
            switch (picture.colourType) {
                case 3: sample[0] = static_cast<std::uint8_t>(index); break;
                case 0: sample[0] = grey; break;
                case 4: sample[0] = grey; sample[1] = 255; break;
                default:  // 2 and 6
                    sample[0] = c.red;
                    sample[1] = c.green;
                    sample[2] = c.blue;
                    if (channels == 4) sample[3] = 255;
            }
        }
    }
    Bytes out;
    if (!WritePng(picture, palette.data(), rows.data(), &out)) {
        throw std::runtime_error("libpng could not write the test picture");
    }
    return out;
}

}  // namespace testing_support
