#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

#include "graphics/tile_graphics.h"
#include "window/frm_main.h"

namespace mosalind {

namespace {

// Places the scroll bar's range so that at its maximum the content's bottom edge meets
// the viewport's bottom edge; a content no taller than the viewport needs no scrolling.
// The value itself is left as it is. The range is held in an int, so even the tallest
// sheet (40,320 pixels) scrolls all the way down.
void SetUpScrollBar(QScrollBar* bar, PictureBox* content, double contentHeight, const PictureBox* viewport) {
    content->SetTop(0);
    const double viewportHeight = viewport->ScaleHeight();
    if (contentHeight > viewportHeight) {
        bar->setMinimum(0);
        bar->setMaximum(static_cast<int>(std::nearbyint(contentHeight - viewportHeight)));
        bar->setEnabled(true);
    } else {
        bar->setEnabled(false);
    }
}

// A turn of the wheel over a view moves its scroll bar as the same turn over the bar
// itself would: by the bar's small step for every line the desktop scrolls per notch.
bool ScrollByWheel(QScrollBar* bar, QWheelEvent& event) {
    if (!bar->isEnabled()) {
        return false;
    }
    QWheelEvent forwarded(event.position(), event.globalPosition(), event.pixelDelta(), event.angleDelta(),
                          event.buttons(), event.modifiers(), event.phase(), event.inverted(), event.source());
    QApplication::sendEvent(bar, &forwarded);
    return true;
}

}  // namespace

bool FrmMain::picTiles_MouseWheel(QWheelEvent& event) {
    return ScrollByWheel(scrTiles, event);
}

bool FrmMain::picBMP_MouseWheel(QWheelEvent& event) {
    return ScrollByWheel(scrBMP, event);
}

// Scrolls the tile sheet no more than needed to show the whole of `tile`.
void FrmMain::ScrollTileIntoView(std::int16_t tile) {
    if (!scrTiles->isEnabled() || tile < 0) {
        return;
    }
    const int top = (tile / kCellsPerRow) * kCellSize;
    const int viewportHeight = static_cast<int>(picTiles->ScaleHeight());
    if (top < scrTiles->value()) {
        scrTiles->setValue(top);
    } else if (top + kCellSize > scrTiles->value() + viewportHeight) {
        scrTiles->setValue(top + kCellSize - viewportHeight);
    }
}

void FrmMain::scrBMP_Change() {
    picBMPScroller->SetTop(-scrBMP->value());
}

// While the thumb is dragged its position runs ahead of the value.
void FrmMain::scrBMP_Scroll() {
    picBMPScroller->SetTop(-scrBMP->sliderPosition());
}

void FrmMain::scrTiles_Change() {
    picTilesScroller->SetTop(-scrTiles->value());
}

void FrmMain::scrTiles_Scroll() {
    picTilesScroller->SetTop(-scrTiles->sliderPosition());
}

void FrmMain::SetScrollbarBMP() {
    SetUpScrollBar(scrBMP, picBMPScroller, picBMPScroller->ScaleHeight(), picBMP);
}

void FrmMain::SetScrollbarTiles() {
    SetUpScrollBar(scrTiles, picTilesScroller, picTilesScroller->Height(), picTiles);
}

}  // namespace mosalind
