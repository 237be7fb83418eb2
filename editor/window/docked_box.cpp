#include "window/docked_box.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace mosalind {

namespace {

constexpr int kGap = 8;  // between the window and the box beside it
// The window system answers a placement with moves of its own for a moment (the frame
// added, the position settled); only moves after that are the user's.
constexpr qint64 kSettleMilliseconds = 400;
constexpr int kSlack = 2;     // pixels a settled frame may differ by
constexpr int kAskAgain = 3;  // times a size the window system did not give is asked for again

}  // namespace

QRect DockedPlace(const QRect& window, const DockedSize& box, const QRect& screen, const QRect& inside,
                  const std::optional<QPoint>& offset) {
    if (offset) {
        return {window.topLeft() + *offset, box.Size};
    }
    const int right = window.right() + 1 + kGap;
    if (right + box.Size.width() <= screen.right() + 1) {
        return {QPoint(right, window.top()), box.Size};
    }
    const int left = window.left() - kGap - box.Size.width();
    if (left >= screen.left()) {
        return {QPoint(left, window.top()), box.Size};
    }
    QSize size = box.Size;
    if (size.width() > inside.width()) {
        size.setWidth(std::min(size.width(), std::max(box.SmallestWidth, inside.width())));
        if (box.HeightAt) {
            size.setHeight(box.HeightAt(size.width()));
        }
    }
    return {QPoint(inside.left(), std::max(inside.top(), inside.bottom() + 1 - size.height())), size};
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
    const QSize border = framed ? box_->frameGeometry().size() - box_->size() : frame.size() - window_->size();
    // The box as tall as its text needs at a width (it wraps), as it was made otherwise.
    const auto heightAt = [this, border](int width) {
        const int height = box_->heightForWidth(width - border.width());
        return (height >= 0 ? height : box_->height()) + border.height();
    };
    // Beside the window the box has its own width, the one it first showed at; where the
    // user put it, the width it has.
    if (!ownWidth_) {
        ownWidth_ = box_->width();
    }
    const int width = (offset_ ? box_->width() : *ownWidth_) + border.width();
    const DockedSize size{{width, heightAt(width)}, box_->minimumSizeHint().width() + border.width(), heightAt};
    const QRect place = DockedPlace(frame, size, room, inside_(), offset_);
    if (sincePlaced_.isValid() && sincePlaced_.elapsed() > kSettleMilliseconds) {
        askedAgain_ = 0;
    }
    asked_ = place.size() - border;
    if (asked_ != box_->size()) {
        box_->resize(asked_);
    }
    placedAt_ = place.topLeft();
    sincePlaced_.start();
    box_->move(framed ? placedAt_ : placedAt_ + (window_->geometry().topLeft() - frame.topLeft()));
}

void DockedBox::Follow(QWidget* widget) {
    widget->installEventFilter(this);
}

void DockedBox::PlaceLater() {
    if (placeLater_) {
        return;
    }
    placeLater_ = true;
    QTimer::singleShot(0, this, [this] {
        placeLater_ = false;
        if (box_->isVisible()) {
            Place();
        }
    });
}

bool DockedBox::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == window_ && (type == QEvent::Move || type == QEvent::Resize) && box_->isVisible()) {
        Place();
    } else if (watched == box_ && type == QEvent::Show) {
        Place();
    } else if (box_->isVisible() &&
               ((watched == box_ && type == QEvent::LayoutRequest) ||
                (watched != box_ && watched != window_ &&
                 (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show || type == QEvent::Hide)))) {
        // Its text changed, or the part of the window it may cover: placed again once the
        // layouts have taken the change (the box at the height its text now needs).
        PlaceLater();
    } else if (watched == box_ && type == QEvent::Resize && box_->isVisible() && box_->size() != asked_ &&
               sincePlaced_.isValid() && sincePlaced_.elapsed() <= kSettleMilliseconds && askedAgain_ < kAskAgain) {
        // The window system, busy with the window (as it maximises), answered with another
        // size: asked again, a few times at most.
        ++askedAgain_;
        PlaceLater();
    } else if (watched == box_ && type == QEvent::Move && box_->isVisible() && sincePlaced_.isValid() &&
               sincePlaced_.elapsed() > kSettleMilliseconds && (box_->pos() - placedAt_).manhattanLength() > kSlack) {
        offset_ = box_->pos() - window_->frameGeometry().topLeft();
        placedAt_ = box_->pos();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace mosalind
