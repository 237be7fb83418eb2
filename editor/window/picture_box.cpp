#include "window/picture_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

namespace mosalind {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::NoFrame);
    setAutoFillBackground(true);
}

void PictureBox::SetSunkenBorder(bool sunken) {
    if (sunken) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
        if (!inner_) {
            inner_ = new QWidget(this);
        }
        inner_->setGeometry(contentsRect());
    } else {
        setFrameStyle(QFrame::NoFrame);
        delete inner_;
        inner_ = nullptr;
    }
}

QWidget* PictureBox::Inner() {
    return inner_ ? inner_ : this;
}

void PictureBox::SetUserScale(double width, double height) {
    userWidth_ = width;
    userHeight_ = height;
}

double PictureBox::ScaleWidth() const {
    return userWidth_ > 0 ? userWidth_ : contentsRect().width() / zoom_;
}

double PictureBox::ScaleHeight() const {
    return userHeight_ > 0 ? userHeight_ : contentsRect().height() / zoom_;
}

void PictureBox::SetZoom(int zoom) {
    if (zoom < 1 || zoom == zoom_) {
        return;
    }
    const QSize border = size() - contentsRect().size();
    const QSize units = contentsRect().size() / zoom_;
    zoom_ = zoom;
    resize(units * zoom_ + border);
    update();
}

void PictureBox::SetTop(int top) {
    move(x(), top);
}

void PictureBox::SetPicture(const QImage& picture) {
    picture_ = picture;
    drawn_ = QImage();
    if (autoSize_ && !picture_.isNull()) {
        const QSize border = size() - contentsRect().size();
        resize(picture_.size() * zoom_ + border);
    }
    update();
}

const QImage& PictureBox::DrawnPicture() const {
    if (drawn_.isNull() && !picture_.isNull()) {
        drawn_ = picture_.convertToFormat(picture_.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                     : QImage::Format_RGB32);
    }
    return drawn_;
}

void PictureBox::Refresh() {
    repaint();
}

QColor PictureBox::BackColor() const {
    return palette().color(backgroundRole());
}

void PictureBox::PaintPicture(QPainter& painter, const QImage& picture, const QRectF& destination,
                              const QRect& source) const {
    if (!picture.isNull() && picture.rect().contains(source)) {
        painter.drawImage(destination, picture, QRectF(source));
    } else {
        painter.fillRect(destination, BackColor());
    }
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect inner = contentsRect();
    const QRect dirty = event->rect() & inner;
    if (dirty.isEmpty()) {
        return;
    }
    painter.setClipRect(dirty);
    painter.translate(inner.topLeft());
    // Zoomed, each pixel of the picture is a square of whole screen pixels, never smoothed.
    painter.scale(zoom_, zoom_);
    if (!picture_.isNull()) {
        const QRect area = painter.clipBoundingRect().toAlignedRect() & picture_.rect();
        painter.drawImage(area.topLeft(), DrawnPicture(), area);
    }
    if (Paint) {
        if (userWidth_ > 0 && userHeight_ > 0) {
            painter.scale(inner.width() / userWidth_, inner.height() / userHeight_);
        }
        Paint(painter);
    }
}

namespace {

int ShiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? kShiftMask : 0) | (modifiers & Qt::ControlModifier ? kCtrlMask : 0) |
           (modifiers & Qt::AltModifier ? kAltMask : 0);
}

}  // namespace

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (!MouseDown) {
        QFrame::mousePressEvent(event);
        return;
    }
    int button = 0;
    switch (event->button()) {
        case Qt::LeftButton:
            button = 1;
            break;
        case Qt::RightButton:
            button = 2;
            break;
        case Qt::MiddleButton:
            button = 4;
            break;
        default:
            break;
    }
    const int shift = ShiftState(event->modifiers());
    const QRect inner = contentsRect();
    double x = event->position().x() - inner.left();
    double y = event->position().y() - inner.top();
    if (userWidth_ > 0 && userHeight_ > 0 && inner.width() > 0 && inner.height() > 0) {
        x = x * userWidth_ / inner.width();
        y = y * userHeight_ / inner.height();
    } else if (zoom_ > 1) {
        // The whole unit drawn under the mouse, so that a press anywhere on a zoomed pixel
        // of the picture reports that pixel.
        x = std::floor(x / zoom_);
        y = std::floor(y / zoom_);
    }
    event->accept();
    MouseDown(button, shift, x, y);
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    if (KeyDown && KeyDown(event->key(), ShiftState(event->modifiers()))) {
        event->accept();
        return;
    }
    QFrame::keyPressEvent(event);
}

void PictureBox::wheelEvent(QWheelEvent* event) {
    if (MouseWheel && MouseWheel(*event)) {
        event->accept();
        return;
    }
    QFrame::wheelEvent(event);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    if (inner_) {
        inner_->setGeometry(contentsRect());
    }
}

}  // namespace mosalind
