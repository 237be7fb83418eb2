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

    // The next questions' answers. Unscripted, the question about unsaved changes is
    // cancelled (nothing is lost), and a file is replaced, as the scripts that drive the
    // editor write their files again on every run.
    void AnswerNextUnsavedWorkQuestion(UnsavedWorkAnswer answer) { unsavedWorkAnswers_.push_back(answer); }
    void AnswerNextReplaceQuestion(bool replace) { replaceAnswers_.push_back(replace); }
    // Unscripted, kept edits are restored.
    void AnswerNextRestoreQuestion(RestoreAnswer answer) { restoreAnswers_.push_back(answer); }
    // Unscripted, a set open in another editor is not opened (Cancel, the default).
    void AnswerNextOpenHereTooQuestion(bool open) { openHereTooAnswers_.push_back(open); }

    UnsavedWorkAnswer AskAboutUnsavedWork() override {
        Questions.push_back(UnsavedWorkQuestion());
        return Next(unsavedWorkAnswers_, UnsavedWorkAnswer::Cancel);
    }
    bool AskToReplace(const QString& path) override {
        Questions.push_back(ReplaceQuestion(path));
        return Next(replaceAnswers_, true);
    }
    RestoreAnswer AskToRestore(const QString& setName, const QString& keptAgo) override {
        Questions.push_back(RestoreQuestion(setName, keptAgo));
        return Next(restoreAnswers_, RestoreAnswer::Restore);
    }
    bool AskToOpenHereToo(const QString& path) override {
        Questions.push_back(OpenHereTooQuestion(path));
        return Next(openHereTooAnswers_, false);
    }

    std::vector<FileRequest> FileRequests;
    std::vector<QString> Messages;
    std::vector<QString> Questions;  // the texts of the questions asked, in order

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

    template <typename T>
    static T Next(std::deque<T>& answers, T unscripted) {
        if (answers.empty()) {
            return unscripted;
        }
        const T next = answers.front();
        answers.pop_front();
        return next;
    }

    std::deque<Answer> answers_;
    std::deque<UnsavedWorkAnswer> unsavedWorkAnswers_;
    std::deque<bool> replaceAnswers_;
    std::deque<RestoreAnswer> restoreAnswers_;
    std::deque<bool> openHereTooAnswers_;
};

}  // namespace mosalind
