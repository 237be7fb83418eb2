#pragma once

#include <QDialog>
#include <QImage>
#include <array>
#include <functional>

#include "document/tile_set.h"
#include "editing/set_suggestions.h"
#include "graphics/tile_graphics.h"

class QLabel;
class QPushButton;
class QToolButton;

namespace mosalind {

// The "Suggestions" box: the sheet's sixteen colours as swatches, each pressed while it
// counts as empty; how many tiles differ from their suggestion; Select them; Accept for the
// selection. It is not modal: the window goes on working beside it. It holds what the art
// suggests for the window's tile set and sheet, worked out again while it is open; the
// window does the edits.
class SuggestionsBox : public QDialog {
    Q_OBJECT
public:
    // The suggestions for `tileSet` on the sheet cut into `graphics` and shown as `picture`,
    // which stay the window's; at first the sheet's default empty colour is pressed.
    SuggestionsBox(const TileSet& tileSet, const TileGraphics& graphics, const QImage& picture, QWidget* parent);

    std::array<QToolButton*, 16> Swatches{};
    QLabel* OverlayNote = nullptr;  // that the overlay shows the suggestions
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
    void ShowSelectedCount(int count);

private:
    void ColoursChosen();

    const TileSet& tileSet_;
    const TileGraphics& graphics_;
    const QImage& picture_;
    SetSuggestions suggested_;
};

}  // namespace mosalind
