#include "window/zoomed_view.h"

#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "editing/cell_grid.h"
#include "window/picture_box.h"
#include "window/rect_marker.h"

namespace mosalind {

namespace {

constexpr int kWheelNotch = 120;

// The range rule of both bars; the value itself is left as it is. The range is held in an
// int, so even the tallest sheet at 4x (161,280 pixels) scrolls all the way.
void SetRange(QScrollBar* bar, double contentExtent, double visibleExtent) {
    if (contentExtent > visibleExtent) {
        bar->setMinimum(0);
        bar->setMaximum(static_cast<int>(std::nearbyint(contentExtent - visibleExtent)));
        bar->setEnabled(true);
    } else {
        bar->setEnabled(false);
    }
}

// Whether the bar scrolls, whatever the frame around the view.
bool Scrolls(const QScrollBar* bar) {
    return bar->isEnabledTo(bar->parentWidget());
}

// Scrolls no more than needed to show the pixels from `start` on, `length` of them.
void ShowSpan(QScrollBar* bar, int start, int length, int visible) {
    if (!Scrolls(bar)) {
        return;
    }
    if (start < bar->value()) {
        bar->setValue(start);
    } else if (start + length > bar->value() + visible) {
        bar->setValue(start + length - visible);
    }
}

}  // namespace

ZoomedView::ZoomedView(PictureBox* viewport, PictureBox* content, QScrollBar* down, RectMarker* marker, QObject* parent)
    : QObject(parent),
      viewport_(viewport),
      content_(content),
      down_(down),
      across_(new QScrollBar(Qt::Horizontal, down->parentWidget())),
      corner_(new QWidget(down->parentWidget())),
      marker_(marker) {
    across_->setRange(0, 0);
    across_->setSingleStep(down_->singleStep());
    across_->setPageStep(down_->pageStep());
    across_->hide();
    corner_->setAutoFillBackground(true);
    corner_->hide();
    // A zoomed content may reach under the bars; they stay over it.
    down_->raise();
    across_->raise();
    corner_->raise();
    const auto moveAcross = [this](int value) { content_->move(-value, content_->y()); };
    connect(across_, &QScrollBar::valueChanged, this, moveAcross);
    connect(across_, &QScrollBar::sliderMoved, this, moveAcross);
    down_->installEventFilter(this);
    across_->installEventFilter(this);
}

bool ZoomedView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            return ZoomByWheel(wheel->angleDelta().y());
        }
    }
    return QObject::eventFilter(watched, event);
}

void ZoomedView::SetZoom(int zoom) {
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (zoom == zoom_) {
        return;
    }
    // The art at the top-left corner, in its own pixels.
    const double top = Scrolls(down_) ? down_->value() / static_cast<double>(zoom_) : 0;
    const double left = Scrolls(across_) ? across_->value() / static_cast<double>(zoom_) : 0;
    zoom_ = zoom;
    content_->SetZoom(zoom_);
    marker_->SetZoom(zoom_);
    if (Zoomed) {
        Zoomed();
    }
    Fit();
    if (Scrolls(down_)) {
        down_->setValue(static_cast<int>(top * zoom_));
    }
    if (Scrolls(across_)) {
        across_->setValue(static_cast<int>(left * zoom_));
    }
    FollowBars();
}

void ZoomedView::ZoomTo(int zoom) {
    const std::optional<std::int16_t> cell = MarkedCell ? MarkedCell() : std::nullopt;
    if (!cell) {
        return;
    }
    SetZoom(zoom);
    ShowCell(*cell);
}

bool ZoomedView::ZoomByWheel(int angleDelta) {
    const int steps = WheelSteps(angleDelta);
    if (steps != 0) {
        ZoomTo(zoom_ + steps);
    }
    return true;
}

int ZoomedView::WheelSteps(int angleDelta) {
    wheelTurn_ += angleDelta;
    const int steps = wheelTurn_ / kWheelNotch;
    wheelTurn_ -= steps * kWheelNotch;
    return steps;
}

int ZoomedView::NeededWidth() const {
    return content_->width() + viewport_->width() - VisibleWidth();
}

bool ZoomedView::NeedsAcross() const {
    return content_->width() > viewport_->contentsRect().width() - down_->width();
}

int ZoomedView::VisibleWidth() const {
    return viewport_->contentsRect().width() - down_->width();
}

int ZoomedView::VisibleHeight() const {
    return viewport_->contentsRect().height() - (NeedsAcross() ? across_->height() : 0);
}

void ZoomedView::PlaceBars() {
    const QSize inner = viewport_->contentsRect().size();
    const int bar = down_->width();
    across_->setGeometry(0, inner.height() - bar, inner.width() - bar, bar);
    across_->setVisible(NeedsAcross());
    corner_->setGeometry(inner.width() - bar, inner.height() - bar, bar, bar);
    corner_->setVisible(NeedsAcross());
    down_->setGeometry(inner.width() - bar, 0, bar, VisibleHeight());
}

void ZoomedView::SetUp(double contentHeight) {
    content_->SetTop(0);
    PlaceBars();
    SetRange(down_, contentHeight, VisibleHeight());
    SetRange(across_, content_->width(), VisibleWidth());
    if (!Scrolls(across_)) {
        across_->setValue(0);
    }
    content_->move(Scrolls(across_) ? -across_->value() : 0, content_->y());
    setUp_ = true;
}

void ZoomedView::Fit() {
    PlaceBars();
    if (!setUp_) {
        return;
    }
    SetRange(down_, content_->Height(), VisibleHeight());
    SetRange(across_, content_->width(), VisibleWidth());
    FollowBars();
}

// The content where the bars say; a bar that does not scroll goes back to the start.
void ZoomedView::FollowBars() {
    for (QScrollBar* bar : {down_, across_}) {
        if (!Scrolls(bar)) {
            bar->setValue(0);
        }
    }
    content_->move(Scrolls(across_) ? -across_->value() : 0, Scrolls(down_) ? -down_->value() : 0);
}

void ZoomedView::ShowCell(std::int16_t cell) {
    const CellOrigin origin = CellOriginOf(cell);
    ShowSpan(down_, origin.Top * zoom_, kCellSize * zoom_, VisibleHeight());
    ShowSpan(across_, origin.Left * zoom_, kCellSize * zoom_, VisibleWidth());
}

}  // namespace mosalind
