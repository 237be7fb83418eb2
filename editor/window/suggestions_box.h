#pragma once

#include <QDialog>
#include <QList>
#include <QRgb>
#include <array>
#include <functional>

#include "editing/suggestion_rules.h"

class QLabel;
class QPushButton;
class QToolButton;

namespace mosalind {

// The "Suggestions" box: the sheet's sixteen colours as swatches, each pressed while it
// counts as empty; how many tiles differ from their suggestion; Select them; Accept for the
// selection. It is not modal: the window goes on working beside it. It only shows and
// reports; the window does the work.
class SuggestionsBox : public QDialog {
    Q_OBJECT
public:
    explicit SuggestionsBox(QWidget* parent);

    std::array<QToolButton*, 16> Swatches{};
    QLabel* Differing = nullptr;
    QPushButton* SelectThem = nullptr;
    QPushButton* Accept = nullptr;

    // What the user did: a swatch pressed or released (the empty colours now), a button.
    std::function<void(const EmptyColours&)> EmptyColoursChosen;
    std::function<void()> SelectThemClicked;
    std::function<void()> AcceptClicked;
    // The user closed the box (Escape or its close button).
    std::function<void()> Closed;

    void ShowColours(const QList<QRgb>& colours, const EmptyColours& empty);
    void ShowDiffering(int tiles);
    // Places the box beside `window`: right of it where the screen has room, else left.
    void PlaceBeside(const QWidget& window);
};

}  // namespace mosalind
