#include "sample_sheet/sheet_file.h"

#include <fstream>
#include <iostream>
#include <system_error>

#include "dev_support/bmp_writer.h"
#include "dev_support/png_writer.h"
#include "sheet_palette.h"

namespace sample_sheet {

namespace {

// The sheet's colour indices, 13 cells to a row, and the sixteen colours.
dev_support::SheetPicture PictureOf(const std::vector<Entry>& sheet) {
    dev_support::SheetPicture picture{kColumns * kCellSize,
                                      static_cast<int>(sheet.size() / kColumns) * kCellSize,
                                      [&sheet](int x, int y) {
                                          return sheet[(y / kCellSize) * kColumns + x / kCellSize]
                                              .Drawing.Pixels()[(y % kCellSize) * kCellSize + x % kCellSize];
                                      },
                                      {}};
    for (const Rgb& c : kPalette) {
        picture.Palette.push_back({c.Blue, c.Green, c.Red, 0});
    }
    return picture;
}

}  // namespace

std::vector<std::uint8_t> EncodeBitmap(const std::vector<Entry>& sheet, Layout layout) {
    return dev_support::EncodeBmp(PictureOf(sheet), {.HeaderSize = layout == Layout::Header124 ? 124 : 40,
                                                     .BitsPerPixel = layout == Layout::EightBit ? 8 : 4});
}

std::vector<std::uint8_t> EncodePng(const std::vector<Entry>& sheet) {
    return dev_support::EncodePng(PictureOf(sheet), {.CompressionLevel = 9});
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
