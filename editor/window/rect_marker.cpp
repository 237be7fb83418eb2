#include "window/rect_marker.h"

namespace mosalind {

RectMarker::RectMarker(QColor colour, QWidget* parent) : QWidget(parent), colour_(colour) {}
void RectMarker::paintEvent(QPaintEvent*) {}

}  // namespace mosalind
