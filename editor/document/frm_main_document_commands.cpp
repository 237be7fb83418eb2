#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <exception>

#include "base/refused_error.h"
#include "document/tile_count_text.h"
#include "document/tile_set_file.h"
#include "window/edit_history.h"
#include "window/frm_main.h"
#include "window/recovery_keeper.h"

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

QString FilePath(const std::string& encoded) {
    return QFile::decodeName(QByteArray::fromStdString(encoded));
}

// Whether two names are one file: the same name, or links to the same existing file.
bool SameFile(const QString& first, const QString& second) {
    if (first.isEmpty() || second.isEmpty()) {
        return false;
    }
    const QFileInfo firstInfo(first);
    const QFileInfo secondInfo(second);
    if (firstInfo.absoluteFilePath() == secondInfo.absoluteFilePath()) {
        return true;
    }
    const QString canonical = firstInfo.canonicalFilePath();
    return !canonical.isEmpty() && canonical == secondInfo.canonicalFilePath();
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
        Session.NewSet(tileCount, static_cast<std::int16_t>(frameCount), PixelCount(picBMPScroller->ScaleWidth()),
                       PixelCount(picBMPScroller->ScaleHeight()));
    } catch (const RefusedError& error) {
        dialogs_->ShowMessage(QString::fromLocal8Bit(error.what()));
        return;
    }
    History->clear();
    EnableEditing();
}

// Ctrl+N and Ctrl+O: another set in the same run, once one is open, after the question
// about unsaved changes; New and Open stay disabled, and the sheet stays loaded. Before a
// set is open they are the buttons, while those can be pressed.
void FrmMain::keyNew_Activated() {
    if (SetIsOpen() ? SettleUnsavedWork() : fraIn->isEnabled()) {
        cmdNew_Click();
    }
}

void FrmMain::keyOpen_Activated() {
    if (SetIsOpen() ? SettleUnsavedWork() : fraIn->isEnabled()) {
        cmdOpen_Click();
    }
}

void FrmMain::cmdOpen_Click() {
    PrepareTileSetDialog(cdlOpen);
    if (!cdlOpen.ShowOpen()) {
        return;
    }
    OpenTileSetFile(cdlOpen.FileName);
}

void FrmMain::OpenTileSetFile(const QString& path) {
    if (!MayOpenHere(QFile::encodeName(path).toStdString())) {
        return;
    }
    try {
        Session.OpenSet(QFile::encodeName(path).toStdString());
    } catch (const std::exception& error) {
        dialogs_->ShowMessage(FileProblem(path, error));
        return;
    }
    History->clear();
    EnableEditing();
}

void FrmMain::cmdSave_Click() {
    ChooseFileAndSave();
}

// Ctrl+S: the Save button's work, without the dialog once the set has a file of its own.
void FrmMain::actSave_Triggered() {
    if (cmdSave->isEnabled()) {
        SaveToOwnFile();
    }
}

bool FrmMain::ChooseFileAndSave() {
    PrepareTileSetDialog(cdlSave);
    for (;;) {
        if (!cdlSave.ShowSave()) {
            return false;
        }
        const QString path = cdlSave.FileName;
        // Another file of that name is the user's work too; the set's own file is not asked
        // about, as saving it again is what the user expects. No goes back to the dialog,
        // in the same folder with the same name, for another name; only Cancel there ends.
        if (!QFileInfo::exists(path) || SameFile(path, FilePath(Session.OwnFile())) || dialogs_->AskToReplace(path)) {
            return SaveTileSetFile(path);
        }
    }
}

bool FrmMain::SaveToOwnFile() {
    return Session.OwnFile().empty() ? ChooseFileAndSave() : SaveTileSetFile(FilePath(Session.OwnFile()));
}

bool FrmMain::SaveTileSetFile(const QString& path) {
    const std::string file = QFile::encodeName(path).toStdString();
    try {
        WriteTileSet(file, Session.Set(), Session.Graphics());
    } catch (const std::exception& error) {
        dialogs_->ShowMessage(FileProblem(path, error));
        return false;
    }
    Session.MarkSaved(file);
    return true;
}

void FrmMain::EnableEditing() {
    StopAnimation();  // another set in the same run: the last one's animations stop
    fraIn->setEnabled(false);
    fraOut->setEnabled(true);
    frmControls->setEnabled(true);
    // The list shows the set's frame count after Open and a restore as after New: " 4" or
    // " 8", no row for a count the list does not have.
    const int frames = FramesInUse(Session.Set());
    cboFrameCount->setCurrentIndex(frames == 4 ? 0 : frames == 8 ? 1 : -1);

    // In pixels of the sheet at its zoom: a set opened while the sheet is zoomed.
    const int wholeRows = Session.Set().Header.TileCount / kCellsPerRow;
    picTilesScroller->resize(picTilesScroller->width(), wholeRows * kCellSize * picTilesScroller->Zoom());
    SetScrollbarTiles();

    for (int frame = 0; frame < kMaxFrames; ++frame) {
        optAnim[frame]->setEnabled(frame < frames);
    }

    SelectTile(0);
    SelectFrame(0);
    RefreshViews();
}

}  // namespace mosalind
