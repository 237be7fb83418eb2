#include "window/slope_line.h"

namespace mosalind {

SlopeLine::SlopeLine(QColor colour, QWidget* parent) : QWidget(parent), colour_(colour) {}
void SlopeLine::Refresh() { repaint(); }
void SlopeLine::paintEvent(QPaintEvent*) {}

}  // namespace mosalind
