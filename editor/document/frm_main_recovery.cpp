#include <QDateTime>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QUndoStack>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>

#include "base/refused_error.h"
#include "document/recovery_file.h"
#include "window/edit_history.h"
#include "window/frm_main.h"
#include "window/loaded_sheet.h"
#include "window/recovery_keeper.h"
#include "window/sheet_watch.h"

namespace mosalind {

namespace {

QString FilePath(const std::string& encoded) {
    return QFile::decodeName(QByteArray::fromStdString(encoded));
}

// A path that still names the file when the next editor starts in another folder.
std::string AbsolutePath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

}  // namespace

// The kept set becomes the window's as if Load Tiles had read its sheet and Open its file,
// but unsaved and with nothing to undo. A sheet that is gone or refused gives way to the
// planes kept with the edits, and the refusal is shown.
void FrmMain::RestoreKeptSet(const AbandonedRecovery& found) {
    const RecoveredSet& kept = found.Set;
    const QString sheetPath = FilePath(kept.Note.SheetPath);
    std::optional<QString> refusal;
    LoadedSheet sheet;
    try {
        sheet = ReadLoadedSheet(sheetPath);
    } catch (const RefusedError& error) {
        refusal = QString::fromLocal8Bit(error.what());
        sheet =
            LoadedSheetFromPlanes(ReadRecoveryPlanes(QFile::encodeName(found.Path).toStdString()), kept.Note.Palette);
    }
    TakeSheet(std::move(sheet));
    cmdLoad->setEnabled(false);
    SheetWatcher->Watch(sheetPath);

    Session.RestoreSet(kept.Document, kept.Note.OwnFile, kept.DoneBlank, kept.Try);
    History->clear();
    EnableEditing();
    if (refusal) {
        dialogs_->ShowMessage(*refusal + QStringLiteral("\nThe tile graphics kept with the edits are used instead."));
    }
}

void FrmMain::KeepRecoveryFile(const QString& folder) {
    if (Recovery) {
        return;
    }
    if (folder.isEmpty()) {
        std::fputs("mosalind: neither XDG_STATE_HOME nor HOME is set; unsaved edits are not kept on disk\n", stderr);
        return;
    }
    Recovery = std::make_unique<RecoveryKeeper>(folder, Session);
    Recovery->Snapshot = [this](const std::string& path) {
        RecoveryNote note;
        note.KeptAt = QDateTime::currentMSecsSinceEpoch();
        note.SheetPath = QFile::encodeName(SheetWatcher->Path()).toStdString();
        note.OwnFile = Session.OwnFile().empty() ? std::string() : AbsolutePath(Session.OwnFile());
        const RecoveryWork work{Session.DoneBlank(), Session.Try()};
        const SharedSheet& sheet = Session.Sheet();
        if (!sheet) {
            return MakeRecoverySnapshot(path, note, Session.Set(), Session.Graphics(), {}, work);
        }
        const std::vector<BMPPaletteEntry>& palette = sheet->Pixels.Palette;
        std::copy_n(palette.begin(), std::min<std::size_t>(palette.size(), kSheetPaletteEntries), note.Palette.begin());
        // The sheet's own planes, shared: the sheet never changes, so nothing is copied.
        return MakeRecoverySnapshot(path, note, Session.Set(), sheet->Graphics,
                                    SharedPlanes(sheet, &sheet->Graphics.TilePlanes), work);
    };
}

// Newest first, one question each, until one is restored; the window holds one set, so the
// others wait for a later start.
bool FrmMain::OfferRecovery() {
    if (!Recovery || SetIsOpen() || !cmdLoad->isEnabled()) {
        return false;
    }
    std::vector<AbandonedRecovery> found = Recovery->FindAbandoned();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    for (AbandonedRecovery& kept : found) {
        const RecoveryNote& note = kept.Set.Note;
        const QString setName = note.OwnFile.empty() ? QStringLiteral("a new set") : FilePath(note.OwnFile);
        if (!note.OwnFile.empty() && !MayOpenHere(note.OwnFile)) {
            continue;  // kept for a later start
        }
        // While the user is asked, other editors are told that these edits may be restored.
        Recovery->RecordOpenSet(note.OwnFile);
        const RestoreAnswer answer = dialogs_->AskToRestore(setName, KeptAgoText(note.KeptAt, now));
        if (answer != RestoreAnswer::Restore) {
            Recovery->RecordOpenSet({});
        }
        if (answer == RestoreAnswer::Discard) {
            Recovery->Discard(kept);
            continue;
        }
        if (answer == RestoreAnswer::Later) {
            // Closed without a choice: nothing is lost, and the user learns where it is.
            std::fprintf(stderr, "mosalind: the unsaved edits stay kept in %s for the next start\n",
                         QFile::encodeName(kept.Path).constData());
            continue;
        }
        try {
            RestoreKeptSet(kept);
        } catch (const std::exception& error) {
            // Neither the sheet nor the kept planes: nothing has changed, and the file stays
            // for a later start.
            Recovery->RecordOpenSet({});
            dialogs_->ShowMessage(QString::fromLocal8Bit(error.what()));
            return false;
        }
        Recovery->Adopt(kept);
        return true;
    }
    return false;
}

bool FrmMain::MayOpenHere(const std::string& path) {
    return !Recovery || !Recovery->IsOpenElsewhere(AbsolutePath(path)) || dialogs_->AskToOpenHereToo(FilePath(path));
}

}  // namespace mosalind
