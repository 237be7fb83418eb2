#include "window/rect_marker.h"

#include <QPainter>

namespace mosalind {

namespace {
constexpr int kOutlineWidth = 2;
}

RectMarker::RectMarker(QColor colour, QWidget* parent) : QWidget(parent), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RectMarker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect outer = rect();
    // Inside the marker's own rectangle: with its 2-pixel margin the outline leaves the
    // framed 16 x 16 cell uncovered.
    painter.fillRect(outer.left(), outer.top(), outer.width(), kOutlineWidth, colour_);
    painter.fillRect(outer.left(), outer.bottom() - kOutlineWidth + 1, outer.width(), kOutlineWidth, colour_);
    painter.fillRect(outer.left(), outer.top(), kOutlineWidth, outer.height(), colour_);
    painter.fillRect(outer.right() - kOutlineWidth + 1, outer.top(), kOutlineWidth, outer.height(), colour_);
}

}  // namespace mosalind
