#pragma once

#include <QDialog>
#include <QImage>
#include <array>
#include <functional>

#include "document/editing_session.h"
#include "editing/set_suggestions.h"
#include "graphics/tile_graphics.h"

class QLabel;
class QPushButton;
class QToolButton;

namespace mosalind {

// The "Suggestions" box: the sheet's sixteen colours as swatches, each pressed while it
// counts as empty (its tooltip says why); where the current tile's suggestion comes from;
// how many tiles differ from their suggestion; Select them; Accept for the selection. It
// is not modal: the window goes on working beside it. It holds what the art and the tiles
// done suggest for the session's tile set on the window's sheet, worked out again while it
// is open; the window does the edits.
class SuggestionsBox : public QDialog {
    Q_OBJECT
public:
    // The suggestions for the session's set on the sheet cut into `graphics` and shown as
    // `picture`, which stay the window's. The default empty colours are pressed (the sky's,
    // and those only in tiles done as passing) until the user presses a swatch.
    SuggestionsBox(const EditingSession& session, const TileGraphics& graphics, const QImage& picture, QWidget* parent);

    std::array<QToolButton*, 16> Swatches{};
    QLabel* Why = nullptr;  // "Tile 12: like tile 71, mirrored"
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
    // Says where the current tile's suggestion comes from.
    void ShowWhy();
    // Places the box beside `window`: right of it where the screen has room, else left.
    void PlaceBeside(const QWidget& window);

private:
    void ColoursChosen();

    const EditingSession& session_;
    const TileGraphics& graphics_;
    const QImage& picture_;
    SetSuggestions suggested_;
    bool coloursChosen_ = false;  // a swatch was pressed: the defaults no longer hold
};

}  // namespace mosalind
