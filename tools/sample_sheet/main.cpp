// Draws the project's sample tile sheet: a 16-colour bitmap, 208 pixels (13 cells) wide, of
// 16 x 16 platform-game tiles, for trying the editor without any artwork of one's own.
//
// Regenerate it from the repository root after changing any file of tools/sample_sheet/:
//   cmake --build build --target make_sample_sheet
//   build/tools/make_sample_sheet samples/tiles.bmp
//   build/tools/make_sample_sheet samples/tiles-header124.bmp header124
//   build/tools/make_sample_sheet samples/tiles-8bit.bmp 8bit
//   build/tools/make_sample_sheet samples/tiles.png png
// `make_sample_sheet --list` prints what every cell holds instead of writing the sheet.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string_view>
#include <vector>

#include "sample_sheet/sheet.h"
#include "sample_sheet/sheet_file.h"

using namespace sample_sheet;

int main(int argc, char** argv) {
    const std::string_view usage = "usage: make_sample_sheet [--list | OUTPUT [classic | header124 | 8bit | png]]\n";
    if (argc > 3) {
        std::cerr << usage;
        return 2;
    }
    const std::string_view argument = argc >= 2 ? argv[1] : "samples/tiles.bmp";
    if (argument.empty() || (argument.size() > 1 && argument.substr(0, 2) == "--" && argument != "--list")) {
        std::cerr << usage;
        return 2;
    }
    const std::string_view layoutName = argc == 3 ? argv[2] : "classic";
    Layout layout = Layout::Classic;
    if (layoutName == "header124") {
        layout = Layout::Header124;
    } else if (layoutName == "8bit") {
        layout = Layout::EightBit;
    } else if (layoutName == "png") {
        layout = Layout::Png;
    } else if (layoutName != "classic") {
        std::cerr << usage;
        return 2;
    }
    try {
        const std::vector<Entry> sheet = BuildSheet();
        if (sheet.size() % kColumns != 0 || sheet.size() < std::size_t(kColumns * kMinimumRows)) {
            std::cerr << "make_sample_sheet: " << sheet.size() << " cells do not fill whole rows of " << kColumns
                      << " and at least " << kMinimumRows << " rows\n";
            return 1;
        }
        if (!CheckDistinct(sheet))
            return 1;
        if (argument == "--list") {
            for (std::size_t i = 0; i < sheet.size(); ++i)
                std::cout << i << "\t" << sheet[i].Name << "\n";
            return 0;
        }
        const std::vector<std::uint8_t> bytes = layout == Layout::Png ? EncodePng(sheet) : EncodeBitmap(sheet, layout);
        if (!WriteFile(std::filesystem::path(argument), bytes))
            return 1;
        std::cout << "wrote " << argument << ": " << sheet.size() << " cells\n";
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "make_sample_sheet: " << e.what() << "\n";
        return 1;
    }
}
