#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>
#include <optional>

class QWidget;

namespace mosalind {

// A tool box's frame sizes: as it is, and narrower, its text wrapped again: never narrower
// than `SmallestWidth`, and `HeightAt` a width the height it then needs.
struct DockedSize {
    QSize Size;
    int SmallestWidth = 0;
    std::function<int(int)> HeightAt;
};

// Where a tool box beside a window goes, and at what size, as its frame's rectangle in
// screen coordinates: `offset` from the window's top-left corner once the user has moved
// it there; else beside the window, right of it where `screen` has room, else left; with
// no room on either side, inside the window at the bottom left of `inside` (the part of a
// view that may be covered for a while, its scroll bars left out): narrowed to `inside`'s
// width where it is wider, so that it never covers the bars or a control. Where even its
// narrowest does not fit (a window too small for it), it sits there at its narrowest, its
// title bar inside `inside`, to be dragged elsewhere.
QRect DockedPlace(const QRect& window, const DockedSize& box, const QRect& screen, const QRect& inside,
                  const std::optional<QPoint>& offset);

// Keeps `box` docked to `window` while it shows: placed (and sized) by DockedPlace when it
// opens and whenever the window moves or changes size. A move the user makes (by the box's
// title bar) is kept as the box's offset from the window for the rest of the run, and so is
// the width it has there. The box is as tall as its text needs, also after the text
// changes; narrowed to fit inside the window, it gets its own width (the one it first
// showed at) back when it docks beside the window again.
class DockedBox : public QObject {
public:
    // `inside` gives the screen rectangle of the part of the window the box may cover.
    DockedBox(QWidget* box, QWidget* window, std::function<QRect()> inside);

    // Places the box where it belongs now.
    void Place();
    // Places the box again whenever `widget` (one that bounds the part of the window it may
    // cover, such as a view or its scroll bar) moves, changes size, shows or hides.
    void Follow(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceLater();

    QWidget* box_;
    QWidget* window_;
    std::function<QRect()> inside_;
    std::optional<QPoint> offset_;  // set by the user's move
    std::optional<int> ownWidth_;   // the box's width beside the window
    QSize asked_;                   // the size the last placing asked for
    int askedAgain_ = 0;
    QPoint placedAt_;
    QElapsedTimer sincePlaced_;
    bool placeLater_ = false;
};

}  // namespace mosalind
