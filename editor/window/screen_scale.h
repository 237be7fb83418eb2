#pragma once

class QPainter;
class QRectF;

namespace mosalind {

// Every art pixel of the tile sheet and the bitmap covers whole screen pixels only when
// the window is drawn at a whole scale: a desktop set to 125 % gets 100 %, one set to
// 150 % or 200 % gets 200 %. Applies to the desktop's scale and to QT_SCALE_FACTOR alike;
// must run before the QApplication is made.
void UseWholeScreenScale();

// The whole scale used for a desktop scale factor: the nearest whole number, halves up,
// at least 1.
int WholeScreenScale(double factor);

// Where a square picture of `artPixels` x `artPixels` is drawn into `area` (in the painter's
// coordinates) so that each art pixel covers whole screen pixels. On a scaled screen the
// large tile and frame views are not a whole number of screen pixels per art pixel wide, so
// the picture shrinks to the largest whole multiple that fits, centred; on an unscaled
// screen (100 %) the area is used as it is and the picture fills it.
QRectF WholeArtPixelArea(const QPainter& painter, const QRectF& area, int artPixels);

}  // namespace mosalind
