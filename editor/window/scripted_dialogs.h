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
        bool save = false;
        QString filter;
        int flags = 0;
        QString fileName;
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
    void ShowMessage(const QString& text) override { messages.push_back(text); }

    std::vector<FileRequest> fileRequests;
    std::vector<QString> messages;

private:
    struct Answer {
        bool cancelled;
        QString path;
    };

    std::optional<QString> Record(bool save, const QString& filter, int flags, const QString& fileName) {
        fileRequests.push_back({save, filter, flags, fileName});
        if (answers_.empty()) {
            return std::nullopt;  // an unscripted dialog is cancelled
        }
        const Answer next = answers_.front();
        answers_.pop_front();
        if (next.cancelled) {
            return std::nullopt;
        }
        return next.path;
    }

    std::deque<Answer> answers_;
};

}  // namespace mosalind
