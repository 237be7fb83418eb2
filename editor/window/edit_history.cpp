#include "window/edit_history.h"

#include <QString>
#include <QUndoCommand>
#include <utility>

namespace mosalind {

// One step: the session's edit, applied by redo() and reverted by undo().
class TileEditStep : public QUndoCommand {
public:
    TileEditStep(EditHistory& history, EditingSession& session, TileEdit edit)
        : QUndoCommand(QString::fromStdString(edit.Text)),
          history_(history),
          session_(session),
          edit_(std::move(edit)) {}

    void redo() override {
        session_.Apply(edit_);
        history_.StepMoved(edit_);
    }
    void undo() override {
        session_.Revert(edit_);
        history_.StepMoved(edit_);
    }

private:
    EditHistory& history_;
    EditingSession& session_;
    TileEdit edit_;
};

EditHistory::EditHistory(EditingSession& session, QObject* parent) : QUndoStack(parent), session_(session) {}

bool EditHistory::Push(TileEdit edit) {
    if (edit.ChangesNothing()) {
        return false;
    }
    pushing_ = true;
    push(new TileEditStep(*this, session_, std::move(edit)));
    pushing_ = false;
    return true;
}

void EditHistory::StepMoved(const TileEdit& edit) {
    if (!pushing_ && ShowStep) {
        ShowStep(edit);
    }
}

}  // namespace mosalind
