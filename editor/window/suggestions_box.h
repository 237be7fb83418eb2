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
// counts as empty; how many tiles differ from their suggestion; Select them; Accept for the
// selection. It is not modal: the window goes on working beside it. It listens to the
// session: what the art suggests for the session's set and sheet is worked out again
// while it is open, after every change of tiles, sheet or empty colours; a swatch pressed
// chooses the session's empty colours; the window does the edits.
class SuggestionsBox : public QDialog {
    Q_OBJECT
public:
    // The suggestions for the session's set and sheet; the empty colours are the session's
    // as they are when the box is made (at first the sheet's default ones), kept from then on.
    SuggestionsBox(EditingSession& session, QWidget* parent);

    std::array<QToolButton*, 16> Swatches{};
    QLabel* Differing = nullptr;
    QPushButton* SelectThem = nullptr;
    QPushButton* Accept = nullptr;

    // The buttons the user pressed.
    std::function<void()> SelectThemClicked;
    std::function<void()> AcceptClicked;
    // What the overlay shows changed: the suggestions, or the box was closed by the user
    // (Escape or its close button).
    std::function<void()> Changed;

    const SetSuggestions& Suggested() const { return suggested_; }
    // Works the suggestions out again while the box is open: after an edit, an undo or a
    // redo, a sheet read anew.
    void Refresh();
    // Places the box beside `window`: right of it where the screen has room, else left.
    void PlaceBeside(const QWidget& window);

private:
    void ColoursChosen();

    EditingSession& session_;
    SetSuggestions suggested_;
    SessionSubscription listening_;
};

}  // namespace mosalind
