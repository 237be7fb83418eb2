#include <QGroupBox>
#include <optional>

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
    // The views zoom while a tile set is edited, keeping in view what they mark: the current
    // tile on the sheet, the current frame's cell on the bitmap.
    TilesZoom->MarkedCell = [this]() -> std::optional<std::int16_t> {
        return SetIsOpen() ? std::optional(CurrentTile()) : std::nullopt;
    };
    BMPZoom->MarkedCell = [this]() -> std::optional<std::int16_t> {
        return SetIsOpen() ? std::optional(Session.Set().TileFrames[CurrentFrame()][CurrentTile()]) : std::nullopt;
    };
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
    view.ZoomTo(view.Zoom() + 1);
}

void FrmMain::keyZoomOut_Activated() {
    ZoomedView& view = FocusedView(*this);
    view.ZoomTo(view.Zoom() - 1);
}

void FrmMain::keyZoomReset_Activated() {
    FocusedView(*this).ZoomTo(ZoomedView::kMinZoom);
}

}  // namespace mosalind
