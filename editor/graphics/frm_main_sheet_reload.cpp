#include <QScrollBar>
#include <algorithm>

#include "base/refused_error.h"
#include "window/frm_main.h"
#include "window/loaded_sheet.h"
#include "window/sheet_watch.h"

namespace mosalind {

void FrmMain::SetUpSheetReload() {
    SheetWatcher = new SheetWatch(this);
    connect(SheetWatcher, &SheetWatch::Settled, this, [this] { SheetWatcher_Settled(); });
}

// A file that is refused may still be being written: the old sheet stays, and the next
// change is read again.
void FrmMain::SheetWatcher_Settled() {
    static_cast<void>(ReloadSheet());
}

void FrmMain::keyReload_Activated() {
    if (const std::optional<QString> refusal = ReloadSheet()) {
        dialogs_->ShowMessage(*refusal);
    }
}

// Reads the loaded sheet's file again with Load Tiles' readers. On success the pixels, the
// cells and the picture are the new file's; the document, the editing cursor and both
// scroll positions stay (the bitmap view's as far as the new sheet reaches). Frames may
// name cells the new sheet does not have: they show the background, as they do after
// Open. Returns the refusal's message, the old sheet staying as it was.
std::optional<QString> FrmMain::ReloadSheet() {
    if (SheetWatcher->Path().isEmpty()) {
        return std::nullopt;  // nothing loaded yet
    }
    SheetWatcher->MarkRead();
    LoadedSheet sheet;
    try {
        sheet = ReadLoadedSheet(SheetWatcher->Path());
    } catch (const RefusedError& refusal) {
        return QString::fromLocal8Bit(refusal.what());
    }

    const int bitmapScroll = scrBMP->value();
    TakeSheet(std::move(sheet));
    scrBMP->setValue(scrBMP->isEnabled() ? std::min(bitmapScroll, scrBMP->maximum()) : 0);
    picBMPScroller->SetTop(-scrBMP->value());
    if (SetIsOpen()) {
        RefreshViews();
    }
    return std::nullopt;
}

}  // namespace mosalind
