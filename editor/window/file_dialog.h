#pragma once

#include <QString>
#include <optional>

#include "window/user_dialogs.h"

namespace mosalind {

// One of the window's file dialogs (cdlLoad, cdlOpen, cdlSave): the settings a command
// gives it before showing it, and the name chosen. Cancelling is reported by ShowOpen
// and ShowSave returning false; FileName is then unchanged.
class FileDialog {
public:
    explicit FileDialog(UserDialogs& dialogs) : dialogs_(&dialogs) {}

    QString FileName;
    bool CancelError = false;
    int Flags = 0;
    QString Filter;

    bool ShowOpen();
    bool ShowSave();

private:
    // Keeps the chosen name; false when the user cancelled.
    bool Take(const std::optional<QString>& chosen);

    UserDialogs* dialogs_;
};

}  // namespace mosalind
