#include "window/slope_line.h"

#include <QPainter>

#include "window/screen_scale.h"

namespace mosalind {

namespace {
constexpr int kLineWidth = 2;
}

SlopeLine::SlopeLine(QColor colour, QWidget* parent) : QWidget(parent), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SlopeLine::Refresh() {
    repaint();
}

void SlopeLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (DrawMode == kInvert) {
        // XOR with white flips every colour bit of the pixels beneath the line.
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(Qt::white, kLineWidth, Qt::SolidLine, Qt::FlatCap));
    } else {
        painter.setPen(QPen(colour_, kLineWidth, Qt::SolidLine, Qt::FlatCap));
    }
    const QRectF view(rect());
    const QRectF picture = ArtPixels > 0 ? WholeArtPixelArea(painter, view, ArtPixels) : view;
    if (picture == view) {
        painter.drawLine(X1, Y1, X2, Y2);
        return;
    }
    const auto onPicture = [&](int x, int y) {
        return QPointF(picture.left() + x * picture.width() / view.width(),
                       picture.top() + y * picture.height() / view.height());
    };
    painter.setClipRect(picture);
    painter.drawLine(onPicture(X1, Y1), onPicture(X2, Y2));
}

}  // namespace mosalind
