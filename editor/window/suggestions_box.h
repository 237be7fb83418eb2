#pragma once

#include <QDialog>
#include <QImage>
#include <array>
#include <functional>

#include "editing/editing_session.h"
#include "editing/set_suggestions.h"

class QLabel;
class QPushButton;
class QToolButton;

namespace mosalind {

// The "Suggestions" box: the sheet's sixteen colours as swatches, each pressed while it
// counts as empty (its tooltip says why); where the current tile's suggestion comes from;
// how many tiles differ from their suggestion; Select them; Accept for the selection. It is
// not modal: the window goes on working beside it. It listens to the session: what the art
// and the tiles done suggest for the session's set and sheet is worked out again while it
// is open, after every change of tiles, sheet, tiles done or empty colours; a swatch
// pressed chooses the session's empty colours; the window does the edits.
class SuggestionsBox : public QDialog {
    Q_OBJECT
public:
    // The suggestions for the session's set and sheet, with the session's empty colours
    // (its defaults, until a swatch is pressed).
    SuggestionsBox(EditingSession& session, QWidget* parent);

    std::array<QToolButton*, 16> Swatches{};
    QLabel* OverlayNote = nullptr;  // that the overlay shows the suggestions
    QLabel* Why = nullptr;          // "Tile 12: like tile 71, mirrored"
    QLabel* Differing = nullptr;
    QPushButton* SelectThem = nullptr;
    QPushButton* Accept = nullptr;

    // The buttons the user pressed.
    std::function<void()> SelectThemClicked;
    std::function<void()> AcceptClicked;
    // What the overlay shows changed: the suggestions.
    std::function<void()> Changed;
    // The box was closed by the user (Escape or its close button).
    std::function<void()> Closed;
    // Whether the overlay showed before the box opened it, so that closing puts it back.
    bool OverlayBefore = false;

    const SetSuggestions& Suggested() const { return suggested_; }
    // Works the suggestions out again while the box is open: after an edit, an undo or a
    // redo, a sheet read anew.
    void Refresh();
    // Names on the Accept button how many tiles it is for: "Accept for the 12 selected tiles".
    // It follows the session's selection.
    void ShowSelectedCount();
    // Says where the current tile's suggestion comes from.
    void ShowWhy();

private:
    void ColoursChosen();

    EditingSession& session_;
    SetSuggestions suggested_;
    SessionSubscription listening_;
};

}  // namespace mosalind
