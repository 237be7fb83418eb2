#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QList>
#include <QPushButton>
#include <array>
#include <cstdint>
#include <cstring>
#include <exception>
#include <new>

#include "document/refused_error.h"
#include "graphics/large_pages.h"
#include "graphics/tile_sheet_reader.h"
#include "window/frm_main.h"

namespace mosalind {

namespace {

// Every tile sheet first; the reader goes by the file's first bytes, not by its name.
const char* const kSheetFilter =
    "All Tile Sheets (*.bmp *.png)|*.bmp;*.png|Bitmap Files (*.bmp)|*.bmp|PNG Files (*.png)|*.png";

// The picture shown in the bitmap view, made from the very palette and pixels that are
// cut, so that the view shows exactly the cells that Save writes.
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

void FrmMain::cmdLoad_Click() {
    cdlLoad.CancelError = true;
    cdlLoad.Flags = kFileMustExistNoReadOnlyBox;
    cdlLoad.Filter = kSheetFilter;
    if (!cdlLoad.ShowOpen()) {
        return;  // cancelled: nothing has changed
    }
    const QString path = cdlLoad.FileName;

    // The file is read once, then cut and made into a picture before any of the window's
    // state changes, so a refused file leaves the window exactly as it was.
    Bitmap bitmap;
    TileGraphics graphics;
    QImage picture;
    try {
        bitmap = ReadTileSheet(QFile::encodeName(path).toStdString());
        graphics = CutTiles(bitmap);
        picture = SheetPicture(bitmap);
    } catch (const RefusedError& refusal) {
        dialogs_->ShowMessage(QString::fromLocal8Bit(refusal.what()));
        return;
    } catch (const std::bad_alloc&) {
        dialogs_->ShowMessage(
            QString("Cannot load the bitmap %1: not enough memory").arg(QDir::toNativeSeparators(path)));
        return;
    }

    LoadedBitmap = std::move(bitmap);
    Graphics = std::move(graphics);
    BMPPicture = std::move(picture);
    picBMPScroller->SetPicture(BMPPicture);
    SetScrollbarBMP();
    fraIn->setEnabled(true);
    cmdLoad->setEnabled(false);
}

}  // namespace mosalind
