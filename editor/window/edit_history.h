#pragma once

#include <QUndoStack>
#include <functional>

#include "document/tile_edit.h"
#include "editing/editing_session.h"

namespace mosalind {

// The document's history: Qt's undo stack over the session's edits, one step an edit.
// Pushing an edit applies it to the session (the step's first redo); undoing and redoing
// a step revert and apply it, and then show it through ShowStep. The step an edit pushes
// is shown by the handler that made it, which knows what the user's controls show.
class EditHistory : public QUndoStack {
public:
    EditHistory(EditingSession& session, QObject* parent);

    // Shows the tile (and frame) a step undone or redone made current.
    std::function<void(const TileEdit&)> ShowStep;

    // Applies `edit` as one step; an edit that changes nothing is no step (false).
    bool Push(TileEdit edit);

private:
    friend class TileEditStep;
    void StepMoved(const TileEdit& edit);

    EditingSession& session_;
    bool pushing_ = false;
};

}  // namespace mosalind
