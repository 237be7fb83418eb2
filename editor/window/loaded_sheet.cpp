#include "window/loaded_sheet.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

#include "base/refused_error.h"
#include "graphics/large_pages.h"
#include "graphics/sheet_from_planes.h"
#include "graphics/tile_sheet_reader.h"

namespace mosalind {

namespace {

// The picture of the bitmap view: the sheet's pixels in its own palette.
QImage SheetPicture(const Bitmap& bitmap) {
    const int width = bitmap.InfoHeader.Width;
    const int height = bitmap.InfoHeader.Height;
    QImage picture(width, height, QImage::Format_Indexed8);
    if (picture.isNull()) {
        throw std::bad_alloc();
    }
    AdviseLargePages(picture.bits(), static_cast<std::size_t>(picture.sizeInBytes()));
    QList<QRgb> colours;
    for (const BMPPaletteEntry& entry : bitmap.Palette) {
        colours.append(qRgb(entry.Red, entry.Green, entry.Blue));
    }
    picture.setColorTable(colours);

    // Each stored byte gives two pixels, left one in the high nibble; rows are stored
    // bottom first.
    static const std::array<std::uint16_t, 256> kPairs = [] {
        std::array<std::uint16_t, 256> pairs{};
        for (int value = 0; value < 256; ++value) {
            const std::uint8_t two[2] = {static_cast<std::uint8_t>(value >> 4), static_cast<std::uint8_t>(value & 15)};
            std::memcpy(&pairs[value], two, 2);
        }
        return pairs;
    }();
    const std::size_t rowBytes = static_cast<std::size_t>(width) / 2;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* stored = bitmap.Pixels.data() + static_cast<std::size_t>(height - 1 - y) * rowBytes;
        std::uint8_t* line = picture.scanLine(y);
        for (std::size_t i = 0; i < rowBytes; ++i) {
            std::memcpy(line + 2 * i, &kPairs[stored[i]], 2);
        }
    }
    return picture;
}

}  // namespace

LoadedSheet ReadLoadedSheet(const QString& path) {
    try {
        auto sheet = std::make_shared<TileSheet>();
        sheet->Pixels = ReadTileSheet(QFile::encodeName(path).toStdString());
        sheet->Graphics = CutTiles(sheet->Pixels);
        QImage picture = SheetPicture(sheet->Pixels);
        return {std::move(sheet), std::move(picture)};
    } catch (const std::bad_alloc&) {
        throw RefusedError(
            QString("Cannot load the bitmap %1: not enough memory").arg(QDir::toNativeSeparators(path)).toStdString());
    }
}

LoadedSheet LoadedSheetFromPlanes(TileGraphics graphics, std::span<const BMPPaletteEntry> palette) {
    try {
        auto sheet = std::make_shared<TileSheet>();
        sheet->Pixels = SheetFromPlanes(graphics, palette);
        sheet->Graphics = std::move(graphics);
        QImage picture = SheetPicture(sheet->Pixels);
        return {std::move(sheet), std::move(picture)};
    } catch (const std::bad_alloc&) {
        throw RefusedError("Cannot make the tile sheet from its kept planes: not enough memory");
    }
}

}  // namespace mosalind
