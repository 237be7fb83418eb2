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

// Where a tool box beside a window goes, in screen coordinates of the frames' top-left
// corners: `offset` from the window once the user has moved it there; else beside the
// window, right of it where `screen` has room, else left; with no room on either side,
// inside the window at the bottom left of `inside` (a view that may be covered for a while,
// never a control).
QPoint DockedPlace(const QRect& window, QSize box, const QRect& screen, const QRect& inside,
                   const std::optional<QPoint>& offset);

// Keeps `box` docked to `window` while it shows: placed by DockedPlace when it opens and
// whenever the window moves or changes size. A move the user makes (by the box's title
// bar) is kept as the box's offset from the window for the rest of the run.
class DockedBox : public QObject {
public:
    // `inside` gives the screen rectangle of the part of the window the box may cover.
    DockedBox(QWidget* box, QWidget* window, std::function<QRect()> inside);

    // Places the box where it belongs now.
    void Place();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* box_;
    QWidget* window_;
    std::function<QRect()> inside_;
    std::optional<QPoint> offset_;  // set by the user's move
    QPoint placedAt_;
    QElapsedTimer sincePlaced_;
};

}  // namespace mosalind
