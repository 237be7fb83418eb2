#include "window/docked_box.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace mosalind {

namespace {

constexpr int kGap = 8;  // between the window and the box beside it
// The window system answers a placement with moves of its own for a moment (the frame
// added, the position settled); only moves after that are the user's.
constexpr qint64 kSettleMilliseconds = 400;
constexpr int kSlack = 2;  // pixels a settled frame may differ by

}  // namespace

QPoint DockedPlace(const QRect& window, QSize box, const QRect& screen, const QRect& inside,
                   const std::optional<QPoint>& offset) {
    if (offset) {
        return window.topLeft() + *offset;
    }
    const int right = window.right() + 1 + kGap;
    if (right + box.width() <= screen.right() + 1) {
        return {right, window.top()};
    }
    const int left = window.left() - kGap - box.width();
    if (left >= screen.left()) {
        return {left, window.top()};
    }
    return {inside.left(), std::max(inside.top(), inside.bottom() + 1 - box.height())};
}

DockedBox::DockedBox(QWidget* box, QWidget* window, std::function<QRect()> inside)
    : QObject(box), box_(box), window_(window), inside_(std::move(inside)) {
    window_->installEventFilter(this);
    box_->installEventFilter(this);
}

void DockedBox::Place() {
    const QScreen* screen = window_->screen();
    const QRect frame = window_->frameGeometry();
    const QRect room = screen != nullptr ? screen->availableGeometry() : frame;
    // Until the window system has framed the box (as it first shows), a move places its
    // inside, and its frame is not known: the window's frame stands in for it.
    const bool framed = box_->frameGeometry() != box_->geometry();
    const QSize size = framed ? box_->frameGeometry().size() : box_->size() + (frame.size() - window_->size());
    placedAt_ = DockedPlace(frame, size, room, inside_(), offset_);
    sincePlaced_.start();
    box_->move(framed ? placedAt_ : placedAt_ + (window_->geometry().topLeft() - frame.topLeft()));
}

bool DockedBox::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == window_ && (type == QEvent::Move || type == QEvent::Resize) && box_->isVisible()) {
        Place();
    } else if (watched == box_ && type == QEvent::Show) {
        Place();
    } else if (watched == box_ && type == QEvent::Move && box_->isVisible() && sincePlaced_.isValid() &&
               sincePlaced_.elapsed() > kSettleMilliseconds && (box_->pos() - placedAt_).manhattanLength() > kSlack) {
        offset_ = box_->pos() - window_->frameGeometry().topLeft();
        placedAt_ = box_->pos();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace mosalind
