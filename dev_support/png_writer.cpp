#include "dev_support/png_writer.h"

#include <png.h>

#include <stdexcept>
#include <vector>

namespace dev_support {

namespace {

void AppendTo(png_structp png, png_bytep data, size_t count) {
    Bytes& out = *static_cast<Bytes*>(png_get_io_ptr(png));
    out.insert(out.end(), data, data + count);
}

const png_byte kAlpha[3] = {0, 128, 255};

// Every libpng call in one function of plain locals: an error jumps back here.
bool WritePng(const SheetPicture& picture, const PngLayout& layout, const std::vector<png_color>& palette,
              png_bytepp rows, png_textp text, Bytes* out) {
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
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.Width), static_cast<png_uint_32>(picture.Height),
                 layout.BitDepth, layout.ColourType, layout.Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (layout.ColourType == PNG_COLOR_TYPE_PALETTE) {
        png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    }
    if (layout.AncillaryChunks) {
        png_set_gAMA_fixed(png, info, 45455);  // 1 / 2.2
        png_set_sRGB(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
        png_set_text(png, info, text, 1);
        if (layout.ColourType == PNG_COLOR_TYPE_PALETTE) {
            png_set_tRNS(png, info, kAlpha, 3, nullptr);
        }
    }
    if (layout.CompressionLevel >= 0) {
        png_set_compression_level(png, layout.CompressionLevel);
    }
    if (layout.EveryFilter) {
        png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_ALL_FILTERS);
    }
    png_write_info(png, info);
    png_set_packing(png);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

Bytes EncodePng(const SheetPicture& picture, const PngLayout& layout) {
    std::vector<png_color> palette;
    for (const PaletteEntry& entry : picture.Palette) {
        palette.push_back({entry.Red, entry.Green, entry.Blue});
    }
    const int channels = layout.ColourType == 3 || layout.ColourType == 0 ? 1
                         : layout.ColourType == 4                         ? 2
                         : layout.ColourType == 2                         ? 3
                                                                          : 4;
    Bytes pixels(static_cast<std::size_t>(picture.Width) * picture.Height * channels);
    std::vector<png_bytep> rows(static_cast<std::size_t>(picture.Height));
    for (int y = 0; y < picture.Height; ++y) {
        rows[y] = pixels.data() + static_cast<std::size_t>(y) * picture.Width * channels;
        for (int x = 0; x < picture.Width; ++x) {
            const int index = picture.Index(x, y);
            const PaletteEntry colour = index >= 0 && static_cast<std::size_t>(index) < picture.Palette.size()
                                            ? picture.Palette[index]
                                            : PaletteEntry{};
            const std::uint8_t grey = static_cast<std::uint8_t>((index & 15) * 17);
            std::uint8_t* sample = rows[y] + static_cast<std::size_t>(x) * channels;
            switch (layout.ColourType) {
                case 3:
                    sample[0] = static_cast<std::uint8_t>(index);
                    break;
                case 0:
                    sample[0] = grey;
                    break;
                case 4:
                    sample[0] = grey;
                    sample[1] = 255;
                    break;
                default:  // 2 and 6
                    sample[0] = colour.Red;
                    sample[1] = colour.Green;
                    sample[2] = colour.Blue;
                    if (channels == 4) {
                        sample[3] = 255;
                    }
            }
        }
    }
    char key[] = "Software";
    char value[] = "Mosalind dev_support";
    png_text text{};
    text.compression = PNG_TEXT_COMPRESSION_NONE;
    text.key = key;
    text.text = value;
    Bytes out;
    if (!WritePng(picture, layout, palette, rows.data(), &text, &out)) {
        throw std::runtime_error("libpng could not write the picture");
    }
    return out;
}

}  // namespace dev_support
