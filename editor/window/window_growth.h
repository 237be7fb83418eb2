#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <functional>
#include <utility>
#include <vector>

class QWidget;

namespace mosalind {

// How much of `wider` extra pixels the left view gets, the right one the rest: shares in
// proportion to the widths the views need (`leftNeed`, `rightNeed`), except that a view
// gets no more than it lacks (its need less its design width) while the other still lacks
// some. Equal needs share equally (the left the smaller half).
int LeftViewShare(int wider, int leftNeed, int leftDesign, int rightNeed, int rightDesign);

// The window made larger than the size it is laid out for. The frame that holds the views
// grows with it; the two views side by side in that frame, the bitmap on the left and the
// tile sheet in the middle, take all the extra height and share the extra width by need
// (ViewShares); what lies over the tile sheet moves with it, and the panel to its right
// moves by the whole extra width, keeping its size. Everything above the frame stays where
// it is. At the design size every control is where the layout put it.
class WindowGrowth : public QObject {
public:
    // Takes the window's layout and client size as they are now as the design.
    WindowGrowth(QWidget* window, QWidget* frame, QWidget* leftView, QWidget* middleView);

    // Runs after every change of the window's size, once the controls are placed.
    std::function<void()> Grown;
    // The widths the two views need to show the whole width of their art as zoomed now.
    std::function<std::pair<int, int>()> NeededWidths;

    // Places the controls again, as after a change of size: the views' needs changed.
    void PlaceAgain();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place(QSize client);

    struct Placed {
        QPointer<QWidget> Control;
        QRect Design;
    };

    QWidget* window_;
    QSize design_;
    Placed frame_;
    Placed leftView_;
    Placed middleView_;
    std::vector<Placed> overMiddle_;  // moved by the middle view's share of the width
    std::vector<Placed> panel_;       // moved by the whole extra width
};

}  // namespace mosalind
