#include <algorithm>
#include <vector>

#include "window/frm_main.h"
#include "window/try_window.h"
#include "window/zoomed_view.h"

namespace mosalind {

namespace {

constexpr int kSheetRow = 13;

// The tiles a click on the map paints: the selection's rectangle on the tile sheet, row by
// row, -1 where the rectangle holds a tile that is not selected.
std::vector<std::vector<int>> SelectionStamp(const TileSelection& selection) {
    const std::vector<std::int16_t> tiles = selection.Tiles();
    if (tiles.size() <= 1) {
        return {{selection.Current()}};
    }
    int left = kSheetRow, right = 0, top = kMaxTiles, bottom = 0;
    for (const std::int16_t tile : tiles) {
        left = std::min(left, tile % kSheetRow);
        right = std::max(right, tile % kSheetRow);
        top = std::min(top, tile / kSheetRow);
        bottom = std::max(bottom, tile / kSheetRow);
    }
    std::vector<std::vector<int>> stamp;
    for (int row = top; row <= bottom; ++row) {
        std::vector<int>& line = stamp.emplace_back();
        for (int column = left; column <= right; ++column) {
            const int tile = row * kSheetRow + column;
            line.push_back(selection.Contains(tile) ? tile : kNoMapTile);
        }
    }
    return stamp;
}

}  // namespace

// F7: the Try window, made at its first use. It listens to the session, and reads the set,
// the sheet's picture, the zoom and the overlay as they are at each paint and step.
void FrmMain::keyTry_Activated() {
    if (!SetIsOpen()) {
        return;
    }
    if (TryBox == nullptr) {
        TryWindow::Sources sources;
        sources.Sheet = &picBMPScroller->Picture();
        sources.Zoom = [this] { return TilesZoom != nullptr ? TilesZoom->Zoom() : 1; };
        sources.OverlayShown = [this] { return AttributesShown; };
        sources.Stamp = [this] { return SelectionStamp(Session.Selection()); };
        TryBox = new TryWindow(Session, std::move(sources), dialogs_, this);
    }
    TryBox->show();
    TryBox->raise();
    TryBox->activateWindow();
}

}  // namespace mosalind
