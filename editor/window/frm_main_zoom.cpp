#include <QGroupBox>
#include <QWheelEvent>

#include "window/frm_main.h"
#include "window/window_growth.h"
#include "window/zoomed_view.h"

namespace mosalind {

namespace {

// The keys zoom the view with the keyboard focus: the bitmap once a click has put it
// there, the tile sheet otherwise.
ZoomedView& FocusedView(FrmMain& window) {
    return window.picBMPScroller->hasFocus() ? *window.BMPZoom : *window.TilesZoom;
}

}  // namespace

void FrmMain::SetUpZoom() {
    BMPZoom = new ZoomedView(picBMP, picBMPScroller, scrBMP, shpBMPSel, this);
    TilesZoom = new ZoomedView(picTiles, picTilesScroller, scrTiles, shpTileSel, this);
    // A click on the bitmap gives it the focus, and so the zoom keys; the sheet's keys go on
    // moving the current tile from there, as they did before.
    picBMPScroller->setFocusPolicy(Qt::StrongFocus);
    picBMPScroller->KeyDown = [this](int key, int shift) { return picTilesScroller_KeyDown(key, shift); };

    auto* growth = new WindowGrowth(this, frmControls, picBMP, picTiles);
    growth->Grown = [this] {
        BMPZoom->Fit();
        TilesZoom->Fit();
    };
}

void FrmMain::keyZoomIn_Activated() {
    ZoomedView& view = FocusedView(*this);
    ZoomView(view, view.Zoom() + 1);
}

void FrmMain::keyZoomOut_Activated() {
    ZoomedView& view = FocusedView(*this);
    ZoomView(view, view.Zoom() - 1);
}

void FrmMain::keyZoomReset_Activated() {
    ZoomView(FocusedView(*this), ZoomedView::kMinZoom);
}

// Ctrl and the wheel over a view zoom it, a step a notch.
bool FrmMain::ZoomByWheel(ZoomedView& view, QWheelEvent& event) {
    const int steps = view.WheelSteps(event.angleDelta().y());
    if (steps != 0) {
        ZoomView(view, view.Zoom() + steps);
    }
    return true;
}

// The view at `zoom` (1 to 4), with what it marks in view: the current tile on the sheet,
// the current frame's cell on the bitmap. The views zoom while a tile set is edited.
void FrmMain::ZoomView(ZoomedView& view, int zoom) {
    if (!SetIsOpen() || !frmControls->isEnabled()) {
        return;
    }
    view.SetZoom(zoom);
    const std::int16_t tile = CurrentTile();
    view.ShowCell(&view == TilesZoom ? tile : Document.TileFrames[CurrentFrame()][tile]);
}

}  // namespace mosalind
