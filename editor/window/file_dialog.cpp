#include "window/file_dialog.h"

namespace mosalind {

bool FileDialog::ShowOpen() {
    std::optional<QString> chosen = dialogs_->ShowOpen(Filter, Flags, FileName);
    if (!chosen) {
        return false;
    }
    FileName = *chosen;
    return true;
}

bool FileDialog::ShowSave() {
    std::optional<QString> chosen = dialogs_->ShowSave(Filter, Flags, FileName);
    if (!chosen) {
        return false;
    }
    FileName = *chosen;
    return true;
}

}  // namespace mosalind
