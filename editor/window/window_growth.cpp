#include "window/window_growth.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>

namespace mosalind {

WindowGrowth::WindowGrowth(QWidget* window, QWidget* frame, QWidget* leftView, QWidget* middleView)
    : QObject(window),
      window_(window),
      design_(window->size()),
      frame_{frame, frame->geometry()},
      leftView_{leftView, leftView->geometry()},
      middleView_{middleView, middleView->geometry()} {
    const QRect middle = middleView->geometry();
    for (QWidget* control : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect design = control->geometry();
        if (control == leftView || control == middleView || design.left() < middle.left()) {
            continue;
        }
        (design.left() <= middle.right() ? overMiddle_ : panel_).push_back({control, design});
    }
    window->installEventFilter(this);
}

bool WindowGrowth::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Resize) {
        PlaceAgain();
    }
    return QObject::eventFilter(watched, event);
}

int LeftViewShare(int wider, int leftNeed, int leftDesign, int rightNeed, int rightDesign) {
    leftNeed = std::max(1, leftNeed);
    rightNeed = std::max(1, rightNeed);
    const long long proportional = static_cast<long long>(wider) * leftNeed / (leftNeed + rightNeed);
    int left = static_cast<int>(proportional);
    const int leftLack = std::max(0, leftNeed - leftDesign);
    const int rightLack = std::max(0, rightNeed - rightDesign);
    if (left > leftLack && wider - left < rightLack) {
        left = std::max(leftLack, wider - rightLack);
    } else if (wider - left > rightLack && left < leftLack) {
        left = std::min(leftLack, wider - rightLack);
    }
    return left;
}

void WindowGrowth::PlaceAgain() {
    Place(window_->size());
    if (Grown) {
        Grown();
    }
}

void WindowGrowth::Place(QSize client) {
    const int wider = std::max(0, client.width() - design_.width());
    const int taller = std::max(0, client.height() - design_.height());
    const auto [leftNeed, rightNeed] = NeededWidths ? NeededWidths() : std::pair(0, 0);
    const int leftShare =
        LeftViewShare(wider, leftNeed, leftView_.Design.width(), rightNeed, middleView_.Design.width());
    if (frame_.Control) {
        frame_.Control->setGeometry(frame_.Design.adjusted(0, 0, wider, taller));
    }
    if (leftView_.Control) {
        leftView_.Control->setGeometry(leftView_.Design.adjusted(0, 0, leftShare, taller));
    }
    if (middleView_.Control) {
        middleView_.Control->setGeometry(middleView_.Design.adjusted(leftShare, 0, wider, taller));
    }
    for (const Placed& placed : overMiddle_) {
        if (placed.Control) {
            placed.Control->move(placed.Design.topLeft() + QPoint(leftShare, 0));
        }
    }
    for (const Placed& placed : panel_) {
        if (placed.Control) {
            placed.Control->move(placed.Design.topLeft() + QPoint(wider, 0));
        }
    }
}

}  // namespace mosalind
