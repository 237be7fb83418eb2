#include "window/user_dialogs.h"

namespace mosalind {

std::optional<QString> QtUserDialogs::ShowOpen(const QString&, int, const QString&) { return std::nullopt; }
std::optional<QString> QtUserDialogs::ShowSave(const QString&, int, const QString&) { return std::nullopt; }
void QtUserDialogs::ShowMessage(const QString&) {}

}  // namespace mosalind
