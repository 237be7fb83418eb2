#include "window/file_dialog.h"

namespace mosalind {

bool FileDialog::ShowOpen() {
    return Take(dialogs_->ShowOpen(Filter, Flags, FileName));
}

bool FileDialog::ShowSave() {
    return Take(dialogs_->ShowSave(Filter, Flags, FileName));
}

bool FileDialog::Take(const std::optional<QString>& chosen) {
    if (!chosen) {
        return false;
    }
    FileName = *chosen;
    return true;
}

}  // namespace mosalind
