#include "window/user_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

namespace mosalind {

namespace {

const char* const kTitle = "Mosalind";
constexpr int kTitleBarButtonsWidth = 160;

// "Bitmap Files (*.bmp)|*.bmp|All Files (*.*)|*.*" -> {"Bitmap Files (*.bmp)", ...}:
// Qt takes the patterns from the description, so every second part is dropped. A
// description without a pattern in brackets gets the pattern that follows it.
QStringList QtNameFilters(const QString& filter) {
    QStringList filters;
    const QStringList parts = filter.split('|');
    for (int i = 0; i < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString pattern = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
        if (description.isEmpty() && pattern.isEmpty()) {
            continue;
        }
        if (!description.contains('(') && !pattern.isEmpty()) {
            description += QString(" (%1)").arg(QString(pattern).replace(';', ' '));
        }
        filters.push_back(description);
    }
    return filters;
}

// The window a dialog belongs to: the active one, or, while none is active yet (a message
// of the files named on the command line, shown as the window first appears), the
// program's visible window, so that the dialog is centred over it.
QWidget* DialogParent() {
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && !window->parentWidget()) {
            return window;
        }
    }
    return nullptr;
}

// A message box at least as wide as its title bar needs to show "Mosalind" whole beside the
// desktop's buttons: a short text ("Invalid Slope!") would make it narrower. Title bars
// use a larger, bolder font than the box and draw an icon and up to three buttons.
void WidenForTitle(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) {
        return;
    }
    const int titleWidth = QFontMetrics(box.font()).horizontalAdvance(box.windowTitle());
    const int width = 2 * titleWidth + kTitleBarButtonsWidth;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

std::optional<QString> RunFileDialog(QFileDialog::AcceptMode mode, const QString& filter, int flags,
                                     const QString& fileName) {
    QFileDialog dialog(DialogParent());
    dialog.setAcceptMode(mode);
    // "Must exist" only makes sense for opening: a save dialog has to allow new names.
    dialog.setFileMode(mode == QFileDialog::AcceptOpen && (flags & kFileMustExist) ? QFileDialog::ExistingFile
                                                                                   : QFileDialog::AnyFile);
    // Save asks itself before it replaces a file, leaving out the set's own file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QStringList filters = QtNameFilters(filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
    }
    if (!fileName.isEmpty()) {
        dialog.selectFile(fileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first();
}

}  // namespace

std::optional<QString> QtUserDialogs::ShowOpen(const QString& filter, int flags, const QString& fileName) {
    return RunFileDialog(QFileDialog::AcceptOpen, filter, flags, fileName);
}

std::optional<QString> QtUserDialogs::ShowSave(const QString& filter, int flags, const QString& fileName) {
    return RunFileDialog(QFileDialog::AcceptSave, filter, flags, fileName);
}

void QtUserDialogs::ShowMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok, DialogParent());
    WidenForTitle(box);
    box.exec();
}

UnsavedWorkAnswer QtUserDialogs::AskAboutUnsavedWork() {
    QMessageBox box(QMessageBox::Warning, kTitle, UnsavedWorkQuestion(),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, DialogParent());
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    WidenForTitle(box);
    switch (box.exec()) {
        case QMessageBox::Save:
            return UnsavedWorkAnswer::Save;
        case QMessageBox::Discard:
            return UnsavedWorkAnswer::Discard;
        default:
            return UnsavedWorkAnswer::Cancel;
    }
}

bool QtUserDialogs::AskToReplace(const QString& path) {
    QMessageBox box(QMessageBox::Warning, kTitle, ReplaceQuestion(path), QMessageBox::Yes | QMessageBox::No,
                    DialogParent());
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    WidenForTitle(box);
    return box.exec() == QMessageBox::Yes;
}

RestoreAnswer QtUserDialogs::AskToRestore(const QString& setName, const QString& keptAgo) {
    QMessageBox box(QMessageBox::Question, kTitle, RestoreQuestion(setName, keptAgo), QMessageBox::NoButton,
                    DialogParent());
    QPushButton* restore = box.addButton(QStringLiteral("Restore"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QMessageBox::Discard);
    // The box closes by its title bar or Escape only through an escape button: an unseen
    // one, so that no button but Discard deletes the edits.
    QPushButton* later = box.addButton(QMessageBox::Cancel);
    later->hide();
    box.setDefaultButton(restore);
    box.setEscapeButton(later);
    box.exec();
    if (box.clickedButton() == restore) {
        return RestoreAnswer::Restore;
    }
    return box.clickedButton() == discard ? RestoreAnswer::Discard : RestoreAnswer::Later;
}

bool QtUserDialogs::AskToOpenHereToo(const QString& path) {
    QMessageBox box(QMessageBox::Warning, kTitle, OpenHereTooQuestion(path), QMessageBox::NoButton, DialogParent());
    QPushButton* open = box.addButton(QStringLiteral("Open"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    WidenForTitle(box);
    box.exec();
    return box.clickedButton() == open;
}

QString OpenHereTooQuestion(const QString& path) {
    return QStringLiteral("%1 is open in another Mosalind window. Open it here too?").arg(path);
}

QString UnsavedWorkQuestion() {
    return QStringLiteral("The tile set has changes that are not saved. Save them?");
}

QString ReplaceQuestion(const QString& path) {
    return QStringLiteral("%1 already exists. Replace it?").arg(path);
}

QString RestoreQuestion(const QString& setName, const QString& keptAgo) {
    return QStringLiteral("Mosalind ended without saving the edits to %1; they were kept %2. Restore them?")
        .arg(setName, keptAgo);
}

QString KeptAgoText(qint64 then, qint64 now) {
    const qint64 minutes = (now - then) / 60000;
    const auto ago = [](qint64 count, const char* unit) {
        return QStringLiteral("%1 %2%3 ago").arg(count).arg(QLatin1String(unit), QLatin1String(count == 1 ? "" : "s"));
    };
    if (minutes < 1) {
        return QStringLiteral("less than a minute ago");  // a clock set back counts as now
    }
    if (minutes < 60) {
        return ago(minutes, "minute");
    }
    if (minutes < 48 * 60) {
        return ago(minutes / 60, "hour");
    }
    return ago(minutes / (24 * 60), "day");
}

}  // namespace mosalind
