#include "window/picture_box.h"

namespace mosalind {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {}
void PictureBox::SetSunkenBorder(bool) {}
void PictureBox::SetUserScale(double width, double height) { userWidth_ = width; userHeight_ = height; }
double PictureBox::ScaleWidth() const { return userWidth_ > 0 ? userWidth_ : contentsRect().width(); }
double PictureBox::ScaleHeight() const { return userHeight_ > 0 ? userHeight_ : contentsRect().height(); }
void PictureBox::SetTop(int top) { move(x(), top); }
void PictureBox::SetPicture(const QImage& picture) { picture_ = picture; }
void PictureBox::Refresh() { repaint(); }
void PictureBox::paintEvent(QPaintEvent*) {}
void PictureBox::mousePressEvent(QMouseEvent*) {}

}  // namespace mosalind
