#include "window/screen_scale.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QRectF>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace mosalind {

namespace {
constexpr int kUnscaledDpi = 96;  // a screen at 100 %
}  // namespace

int WholeScreenScale(double factor) {
    if (!(factor >= 1)) {
        return 1;  // also NaN
    }
    return factor > 64 ? 64 : static_cast<int>(std::floor(factor + 0.5));
}

void UseWholeScreenScale() {
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    // A scale asked for by hand is used as given by Qt, so it is made whole here.
    bool isNumber = false;
    const double asked = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&isNumber);
    if (isNumber) {
        qputenv("QT_SCALE_FACTOR", QByteArray::number(WholeScreenScale(asked)));
    }
}

QRectF WholeArtPixelArea(const QPainter& painter, const QRectF& area, int artPixels) {
    const QPaintDevice* device = painter.device();
    const double ratio = device != nullptr ? device->devicePixelRatioF() : 1.0;
    const QTransform& toLogical = painter.worldTransform();
    bool invertible = false;
    const QTransform toUser = toLogical.inverted(&invertible);
    // A screen set to 125 % is drawn at 1:1 with a larger font: its logical resolution
    // says it is scaled.
    const bool scaled = ratio > 1.0 || (device != nullptr && device->logicalDpiX() > kUnscaledDpi);
    if (!scaled || artPixels <= 0 || !invertible || toLogical.type() > QTransform::TxScale) {
        return area;
    }
    // The area in screen pixels, and the largest whole number of them per art pixel.
    const QRectF logical = toLogical.mapRect(area);
    const QRectF onScreen(logical.topLeft() * ratio, logical.size() * ratio);
    const double side = std::min(onScreen.width(), onScreen.height());
    const int perArtPixel = static_cast<int>(std::floor(side / artPixels));
    if (perArtPixel < 1) {
        return area;
    }
    const double drawn = static_cast<double>(perArtPixel) * artPixels;
    // Whole screen pixels at the corner too, so the art pixels' edges fall between them.
    const QPointF corner(std::floor(onScreen.left() + (onScreen.width() - drawn) / 2),
                         std::floor(onScreen.top() + (onScreen.height() - drawn) / 2));
    const QRectF square(corner / ratio, QSizeF(drawn, drawn) / ratio);
    return toUser.mapRect(square);
}

}  // namespace mosalind
