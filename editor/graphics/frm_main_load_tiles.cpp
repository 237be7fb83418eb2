#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImageReader>
#include <QPushButton>
#include <exception>
#include <new>

#include "document/refused_error.h"
#include "window/frm_main.h"

namespace mosalind {

namespace {

constexpr int kLoadFlags = 4100;  // the file must exist (4096), no read-only box (4)
const char* const kBitmapFilter = "Bitmap Files (*.bmp)|*.bmp";

// The chosen file as the platform decodes it for display. Throws RefusedError when the
// decoder cannot read it or sees another size than the tile sheet that was cut.
QImage LoadPicture(const QString& path, const Bitmap& cut) {
    QImageReader reader(path);
    reader.setAutoTransform(false);
    QImage picture = reader.read();
    const QString shown = QDir::toNativeSeparators(path);
    if (picture.isNull()) {
        throw RefusedError(QString("Cannot show the bitmap %1: %2").arg(shown, reader.errorString()).toStdString());
    }
    if (picture.width() != cut.InfoHeader.Width || picture.height() != cut.InfoHeader.Height) {
        throw RefusedError(QString("Cannot show the bitmap %1: it decodes as %2 x %3 pixels, not as the %4 x %5 "
                                   "pixels of its header")
                               .arg(shown)
                               .arg(picture.width())
                               .arg(picture.height())
                               .arg(cut.InfoHeader.Width)
                               .arg(cut.InfoHeader.Height)
                               .toStdString());
    }
    return picture;
}

}  // namespace

void FrmMain::cmdLoad_Click() {
    cdlLoad.CancelError = true;
    cdlLoad.Flags = kLoadFlags;
    cdlLoad.Filter = kBitmapFilter;
    if (!cdlLoad.ShowOpen()) {
        return;  // cancelled: nothing has changed
    }
    const QString path = cdlLoad.FileName;

    // Everything is read, cut and decoded before any of the window's state changes, so a
    // refused file leaves the window exactly as it was.
    Bitmap bitmap;
    TileGraphics graphics;
    QImage picture;
    try {
        bitmap = ReadBitmap(QFile::encodeName(path).toStdString());
        graphics = CutTiles(bitmap);
        picture = LoadPicture(path, bitmap);
    } catch (const RefusedError& refusal) {
        dialogs_->ShowMessage(QString::fromLocal8Bit(refusal.what()));
        return;
    } catch (const std::bad_alloc&) {
        dialogs_->ShowMessage(QString("Cannot load the bitmap %1: not enough memory").arg(QDir::toNativeSeparators(path)));
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
