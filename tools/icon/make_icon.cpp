// Draws the editor's icon: one 16 x 16 tile in the sample sheet's sixteen colours, a grassy
// slope rising under the sky, framed like a cell of the tile sheet. Writes, into one folder,
// the scalable mosalind.svg and 16.png, 32.png, 48.png, 64.png, 128.png and 256.png, where
// each pixel of the tile becomes a square of 1 to 16 pixels.
//
// Regenerate the committed icons with scripts/make-icons.sh.
#include "sheet_palette.h"

#include <QImage>
#include <QString>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace {

using namespace sheet_palette;

constexpr int kTileSize = 16;
constexpr std::array<int, 6> kPngSizes{16, 32, 48, 64, 128, 256};

// '.' is transparent; every other letter is a colour of kLetters.
constexpr std::array<std::string_view, kTileSize> kTile{
    ".kkkkkkkkkkkkkk.", "ksssssssssssssgk", "kscwwcsssssssggk", "kcwwwwcsssssggDk",
    "ksccccsssssggDbk", "ksssssssssggDBbk", "kssssssssggDbbbk", "ksssssssggDbbobk",
    "kssssssggDBbbbbk", "ksssssggDbbbbBbk", "kssssggDbbobbbbk", "ksssggDbBbbbbbbk",
    "kssggDBbbbbBbobk", "ksggDbbbobbbbbbk", "kggDBbbbbbbBbbbk", ".kkkkkkkkkkkkkk.",
};

// The palette index of pixel (x, y), or -1 where the tile is transparent.
int ColourAt(int x, int y) {
    const char letter = kTile[std::size_t(y)][std::size_t(x)];
    if (letter == '.')
        return -1;
    return int(kLetters.find(letter));
}

// Fails on a row of the wrong length or an unknown letter, so a slip in kTile cannot slip
// into the icons.
bool TileIsWellFormed() {
    for (std::string_view row : kTile) {
        if (row.size() != std::size_t(kTileSize))
            return false;
        for (char letter : row)
            if (letter != '.' && kLetters.find(letter) == std::string_view::npos)
                return false;
    }
    return true;
}

QImage RenderPng(int size) {
    const int scale = size / kTileSize;
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (const int c = ColourAt(x / scale, y / scale); c >= 0) {
                const Rgb& rgb = kPalette[std::size_t(c)];
                image.setPixel(x, y, qRgb(rgb.Red, rgb.Green, rgb.Blue));
            }
    return image;
}

std::string HexColour(int c) {
    const Rgb& rgb = kPalette[std::size_t(c)];
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.Red, rgb.Green, rgb.Blue);
    return text;
}

// One rectangle per run of equal pixels in a row, edges kept sharp when scaled.
std::string RenderSvg() {
    std::string svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
        "viewBox=\"0 0 16 16\" shape-rendering=\"crispEdges\">\n";
    for (int y = 0; y < kTileSize; ++y) {
        for (int x = 0; x < kTileSize;) {
            const int c = ColourAt(x, y);
            int end = x + 1;
            while (end < kTileSize && ColourAt(end, y) == c)
                ++end;
            if (c >= 0)
                svg += "  <rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
                       std::to_string(end - x) + "\" height=\"1\" fill=\"" + HexColour(c) + "\"/>\n";
            x = end;
        }
    }
    return svg + "</svg>\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs(
            "usage: make_icon FOLDER\n"
            "Writes mosalind.svg and 16.png to 256.png into FOLDER.\n",
            stderr);
        return 2;
    }
    if (!TileIsWellFormed()) {
        std::fputs("make_icon: the tile's rows are not 16 known colour letters each\n", stderr);
        return 1;
    }
    const std::filesystem::path folder = argv[1];
    for (int size : kPngSizes) {
        const std::filesystem::path file = folder / (std::to_string(size) + ".png");
        if (!RenderPng(size).save(QString::fromStdString(file.string()), "PNG")) {
            std::fprintf(stderr, "make_icon: cannot write %s\n", file.c_str());
            return 1;
        }
    }
    const std::filesystem::path svgFile = folder / "mosalind.svg";
    std::ofstream svg(svgFile, std::ios::binary);
    svg << RenderSvg();
    svg.close();
    if (!svg) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", svgFile.c_str());
        return 1;
    }
    return 0;
}
