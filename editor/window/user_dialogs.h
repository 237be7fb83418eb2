#pragma once

#include <QString>
#include <optional>

namespace mosalind {

// File dialog flags: the chosen file must exist (4096), and no read-only check box (4).
constexpr int kFileMustExist = 4096;
constexpr int kNoReadOnlyBox = 4;
constexpr int kFileMustExistNoReadOnlyBox = kFileMustExist | kNoReadOnlyBox;  // 4100

// The answers to the question about unsaved changes.
enum class UnsavedWorkAnswer { Save, Discard, Cancel };

// The answers to the question about edits an editor kept and never saved: Later is the
// question closed without a choice (its title bar, Escape), which keeps them for the next start.
enum class RestoreAnswer { Restore, Discard, Later };

// What the editor asks of the user through modal windows: the file dialogs and the
// message box. FrmMain reaches them only through this interface, so that tests can
// script the answers and capture the messages instead of blocking on a modal window.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // filter is in the editor's form "Description (*.ext)|*.ext"; flags combine the values
    // above (kFileMustExistNoReadOnlyBox). fileName is the name
    // the dialog starts with. Returns the chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> ShowOpen(const QString& filter, int flags, const QString& fileName) = 0;
    virtual std::optional<QString> ShowSave(const QString& filter, int flags, const QString& fileName) = 0;

    // A modal message box with an OK button and the title "Mosalind".
    virtual void ShowMessage(const QString& text) = 0;

    // Modal questions titled "Mosalind": whether to save the changes not saved yet before
    // they are lost (Save, Discard or Cancel), and whether Save may replace the existing
    // file `path` (true: replace it).
    virtual UnsavedWorkAnswer AskAboutUnsavedWork() = 0;
    virtual bool AskToReplace(const QString& path) = 0;

    // Modal question titled "Mosalind": whether to put back the edits to `setName` (the
    // set's file, or "a new set") that an editor kept `keptAgo` ("3 minutes ago") and never
    // saved. Restore is the default button (Return); closing the question or Escape answers
    // Later, so only the Discard button deletes them.
    virtual RestoreAnswer AskToRestore(const QString& setName, const QString& keptAgo) = 0;

    // Modal question titled "Mosalind": whether to open the set `path` that another running
    // editor has open (true: Open). Cancel is the default button and the Escape button.
    virtual bool AskToOpenHereToo(const QString& path) = 0;
};

// The real dialogs: QFileDialog and QMessageBox.
class QtUserDialogs : public UserDialogs {
public:
    std::optional<QString> ShowOpen(const QString& filter, int flags, const QString& fileName) override;
    std::optional<QString> ShowSave(const QString& filter, int flags, const QString& fileName) override;
    void ShowMessage(const QString& text) override;
    UnsavedWorkAnswer AskAboutUnsavedWork() override;
    bool AskToReplace(const QString& path) override;
    RestoreAnswer AskToRestore(const QString& setName, const QString& keptAgo) override;
    bool AskToOpenHereToo(const QString& path) override;
};

// The questions' texts.
QString UnsavedWorkQuestion();
QString ReplaceQuestion(const QString& path);
QString RestoreQuestion(const QString& setName, const QString& keptAgo);
QString OpenHereTooQuestion(const QString& path);

// How long before `now` something happened at `then` (milliseconds since 1970), as the
// restore question says it: "less than a minute ago", "1 minute ago", "5 hours ago",
// "2 days ago" (whole units, counted down).
QString KeptAgoText(qint64 then, qint64 now);

}  // namespace mosalind
