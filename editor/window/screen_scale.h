#pragma once

namespace mosalind {

// Every art pixel of the tile sheet and the bitmap covers whole screen pixels only when
// the window is drawn at a whole scale: a desktop set to 125 % gets 100 %, one set to
// 150 % or 200 % gets 200 %. Applies to the desktop's scale and to QT_SCALE_FACTOR alike;
// must run before the QApplication is made.
void UseWholeScreenScale();

// The whole scale used for a desktop scale factor: the nearest whole number, halves up,
// at least 1.
int WholeScreenScale(double factor);

}  // namespace mosalind
