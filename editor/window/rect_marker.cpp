#include "window/rect_marker.h"

#include <QPainter>

namespace mosalind {

namespace {
constexpr int kOutlineUnits = 2;
}

RectMarker::RectMarker(QColor colour, QWidget* parent) : QWidget(parent), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RectMarker::SetZoom(int zoom) {
    if (zoom < 1 || zoom == zoom_) {
        return;
    }
    const QRect units(pos() / zoom_, size() / zoom_);
    zoom_ = zoom;
    setGeometry(QRect(units.topLeft() * zoom_, units.size() * zoom_));
}

void RectMarker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect outer = rect();
    const int outline = zoom_ * kOutlineUnits;
    // Inside the marker's own rectangle: with its 2-pixel margin the outline leaves the
    // framed 16 x 16 cell uncovered.
    painter.fillRect(outer.left(), outer.top(), outer.width(), outline, colour_);
    painter.fillRect(outer.left(), outer.bottom() - outline + 1, outer.width(), outline, colour_);
    painter.fillRect(outer.left(), outer.top(), outline, outer.height(), colour_);
    painter.fillRect(outer.right() - outline + 1, outer.top(), outline, outer.height(), colour_);
}

}  // namespace mosalind
