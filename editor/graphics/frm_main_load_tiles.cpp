#include <QGroupBox>
#include <QPushButton>

#include "base/refused_error.h"
#include "window/frm_main.h"
#include "window/loaded_sheet.h"
#include "window/sheet_watch.h"

namespace mosalind {

namespace {

// Every tile sheet first; the reader goes by the file's first bytes, not by its name.
const char* const kSheetFilter =
    "All Tile Sheets (*.bmp *.png)|*.bmp;*.png|Bitmap Files (*.bmp)|*.bmp|PNG Files (*.png)|*.png";

}  // namespace

void FrmMain::cmdLoad_Click() {
    cdlLoad.CancelError = true;
    cdlLoad.Flags = kFileMustExistNoReadOnlyBox;
    cdlLoad.Filter = kSheetFilter;
    if (!cdlLoad.ShowOpen()) {
        return;  // cancelled: nothing has changed
    }
    LoadTilesFile(cdlLoad.FileName);
}

void FrmMain::LoadTilesFile(const QString& path) {
    // The file is read once, then cut and made into a picture before any of the window's
    // state changes, so a refused file leaves the window exactly as it was.
    LoadedSheet sheet;
    try {
        sheet = ReadLoadedSheet(path);
    } catch (const RefusedError& refusal) {
        dialogs_->ShowMessage(QString::fromLocal8Bit(refusal.what()));
        return;
    }

    TakeSheet(std::move(sheet));
    fraIn->setEnabled(true);
    cmdLoad->setEnabled(false);
    SheetWatcher->Watch(path);
}

// The sheet's pixels and cells become the session's, its picture the bitmap view's; the
// session tells every panel that listens.
void FrmMain::TakeSheet(LoadedSheet sheet) {
    picBMPScroller->SetPicture(std::move(sheet.Picture));
    SetScrollbarBMP();
    Session.TakeSheet(std::move(sheet.Sheet));
}

}  // namespace mosalind
