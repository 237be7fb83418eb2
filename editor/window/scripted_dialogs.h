#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "window/user_dialogs.h"

namespace mosalind {

// Dialogs that answer from a script and record what was asked: for tests and for the
// scripts that drive the editor without a user (the screenshot, the sample tile set).
class ScriptedDialogs : public UserDialogs {
public:
    struct FileRequest {
        bool Save = false;
        QString Filter;
        int Flags = 0;
        QString FileName;
    };

    // The next file dialog returns this path; nothing (std::nullopt) means "cancelled".
    void AnswerNextFileDialog(std::optional<QString> path) {
        answers_.push_back({!path.has_value(), path.value_or(QString())});
    }

    std::optional<QString> ShowOpen(const QString& filter, int flags, const QString& fileName) override {
        return Record(false, filter, flags, fileName);
    }
    std::optional<QString> ShowSave(const QString& filter, int flags, const QString& fileName) override {
        return Record(true, filter, flags, fileName);
    }
    void ShowMessage(const QString& text) override { Messages.push_back(text); }

    std::vector<FileRequest> FileRequests;
    std::vector<QString> Messages;

private:
    struct Answer {
        bool Cancelled;
        QString Path;
    };

    std::optional<QString> Record(bool save, const QString& filter, int flags, const QString& fileName) {
        FileRequests.push_back({save, filter, flags, fileName});
        if (answers_.empty()) {
            return std::nullopt;  // an unscripted dialog is cancelled
        }
        const Answer next = answers_.front();
        answers_.pop_front();
        if (next.Cancelled) {
            return std::nullopt;
        }
        return next.Path;
    }

    std::deque<Answer> answers_;
};

}  // namespace mosalind
