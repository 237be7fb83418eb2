#include "window/screen_scale.h"

#include <QGuiApplication>
#include <cmath>

namespace mosalind {

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

}  // namespace mosalind
