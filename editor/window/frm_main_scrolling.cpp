#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>

#include "window/frm_main.h"
#include "window/zoomed_view.h"

namespace mosalind {

namespace {

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
    if (event.modifiers() & Qt::ControlModifier) {
        return TilesZoom->ZoomByWheel(event.angleDelta().y());
    }
    return ScrollByWheel(scrTiles, event);
}

bool FrmMain::picBMP_MouseWheel(QWheelEvent& event) {
    if (event.modifiers() & Qt::ControlModifier) {
        return BMPZoom->ZoomByWheel(event.angleDelta().y());
    }
    return ScrollByWheel(scrBMP, event);
}

// Scrolls the tile sheet no more than needed to show the whole of `tile`.
void FrmMain::ScrollTileIntoView(std::int16_t tile) {
    if (tile < 0) {
        return;
    }
    TilesZoom->ShowCell(tile);
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

// The content's height in pixels: its inner height at the zoom.
void FrmMain::SetScrollbarBMP() {
    BMPZoom->SetUp(picBMPScroller->ScaleHeight() * picBMPScroller->Zoom());
}

void FrmMain::SetScrollbarTiles() {
    TilesZoom->SetUp(picTilesScroller->Height());
}

}  // namespace mosalind
