#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <exception>

#include "document/new_tile_set.h"
#include "document/refused_error.h"
#include "document/tile_count_text.h"
#include "document/tile_set_file.h"
#include "window/frm_main.h"

namespace mosalind {
namespace {

const QString kTileSetFilter = QStringLiteral("TLS Files (*.tls)|*.tls");

void PrepareTileSetDialog(FileDialog& dialog) {
    dialog.FileName = QString();
    dialog.CancelError = true;
    dialog.Flags = kFileMustExistNoReadOnlyBox;
    dialog.Filter = kTileSetFilter;
}

std::int32_t PixelCount(double size) {
    return static_cast<std::int32_t>(std::nearbyint(std::clamp(size, 0.0, 1e9)));
}

// The core's refusals name the file and the reason; anything else unexpected is reported
// the same way rather than ending the program.
QString FileProblem(const QString& path, const std::exception& error) {
    const QString reason = QString::fromLocal8Bit(error.what());
    return reason.contains(path) ? reason : path + QStringLiteral(": ") + reason;
}

}  // namespace

void FrmMain::cmdNew_Click() {
    std::int16_t tileCount = 0;
    try {
        tileCount = ReadTileCountText(txtTileCount->text().toStdString());
    } catch (const RefusedError& error) {
        dialogs_->ShowMessage(QString::fromLocal8Bit(error.what()));
        return;
    }
    const int frameCount = (cboFrameCount->currentIndex() + 1) * 4;
    if (frameCount != 4 && frameCount != 8) {
        dialogs_->ShowMessage(QStringLiteral("Choose 4 or 8 For Frame Count"));
        return;
    }
    try {
        FillNewTileSet(Document, tileCount, static_cast<std::int16_t>(frameCount),
                       PixelCount(picBMPScroller->ScaleWidth()), PixelCount(picBMPScroller->ScaleHeight()));
    } catch (const RefusedError& error) {
        dialogs_->ShowMessage(QString::fromLocal8Bit(error.what()));
        return;
    }
    EnableEditing();
}

void FrmMain::cmdOpen_Click() {
    PrepareTileSetDialog(cdlOpen);
    if (!cdlOpen.ShowOpen()) {
        return;
    }
    OpenTileSetFile(cdlOpen.FileName);
}

void FrmMain::OpenTileSetFile(const QString& path) {
    try {
        Document = ReadTileSet(QFile::encodeName(path).toStdString(), Document);
    } catch (const std::exception& error) {
        dialogs_->ShowMessage(FileProblem(path, error));
        return;
    }
    EnableEditing();
}

void FrmMain::cmdSave_Click() {
    PrepareTileSetDialog(cdlSave);
    if (!cdlSave.ShowSave()) {
        return;
    }
    const QString path = cdlSave.FileName;
    try {
        WriteTileSet(QFile::encodeName(path).toStdString(), Document, Graphics);
    } catch (const std::exception& error) {
        dialogs_->ShowMessage(FileProblem(path, error));
    }
}

void FrmMain::EnableEditing() {
    fraIn->setEnabled(false);
    fraOut->setEnabled(true);
    frmControls->setEnabled(true);

    const int wholeRows = Document.Header.TileCount / kCellsPerRow;
    picTilesScroller->resize(picTilesScroller->width(), wholeRows * kCellSize);
    SetScrollbarTiles();

    for (int frame = std::clamp<int>(Document.Header.FrameCount, 0, kMaxFrames); frame < kMaxFrames; ++frame) {
        optAnim[frame]->setEnabled(false);
    }

    SlopeLeft = 0;
    SlopeRight = 0;
    SelectTile(0);
    SelectFrame(0);
    RefreshViews();
}

}  // namespace mosalind
