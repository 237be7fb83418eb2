#include <QCloseEvent>
#include <QGuiApplication>
#if QT_CONFIG(sessionmanager)
#include <QSessionManager>
#endif

#include "window/frm_main.h"
#include "window/recovery_keeper.h"

namespace mosalind {

// Work is unsaved while the document differs from what New made, Open read or Save last
// wrote; undoing back to that point leaves nothing unsaved.
bool FrmMain::SettleUnsavedWork() {
    if (!Session.IsUnsaved()) {
        return true;
    }
    switch (dialogs_->AskAboutUnsavedWork()) {
        case UnsavedWorkAnswer::Save:
            // A cancelled dialog or a refused Save keeps the window and the changes.
            return SaveToOwnFile();
        case UnsavedWorkAnswer::Discard:
            if (Recovery) {
                Recovery->Clear();
            }
            return true;
        case UnsavedWorkAnswer::Cancel:
            break;
    }
    return false;
}

void FrmMain::closeEvent(QCloseEvent* event) {
    if (SettleUnsavedWork()) {
        event->accept();
    } else {
        event->ignore();
    }
}

// The desktop session ending (logging out, shutting down) asks the same question first,
// when the session lets the program ask; Cancel, or a Save that did not happen, asks the
// session to stay.
void FrmMain::WatchSessionEnd() {
#if QT_CONFIG(sessionmanager)
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (!Session.IsUnsaved() || !manager.allowsInteraction()) {
            return;
        }
        const bool settled = SettleUnsavedWork();
        manager.release();
        if (!settled) {
            manager.cancel();
        }
    });
#endif
}

}  // namespace mosalind
