#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "editing/cell_grid.h"
#include "editing/slope_codec.h"
#include "editing/tile_type_list.h"
#include "window/frm_main.h"
#include "window/label_caption.h"

namespace mosalind {

void FrmMain::SelectTile(std::int16_t tile) {
    if (tile < 0 || tile >= kMaxTiles) {
        return;
    }
    // The session makes the tile current (a tile outside the set stays no tile); what is
    // shown is what it holds.
    Session.SetCurrentTile(tile);
    tile = CurrentTile();
    ShowTileNumber(tile);
    ShowBitmapOffset(Session.Set().TileFrames[CurrentFrame()][tile]);
    cboBehaviour->setCurrentIndex(RowForTileType(Session.Set().TileAttributes[0][tile], cboBehaviour->count()));

    int left = Session.SlopeLeft();
    int right = Session.SlopeRight();
    for (int side = 0; side < 4; ++side) {
        const std::int16_t sideWord = Session.Set().TileAttributes[side + 1][tile];
        cboBlocking[side]->setCurrentIndex(BlockingRowForSideWord(sideWord));
        const SideSlope slope = DecodeSideSlope(sideWord, left, right);
        chkSlope[side]->setChecked(slope.CarriesSlope);
        left = slope.Left;
        right = slope.Right;
    }
    Session.SetPendingSlope(left, right);

    linSlope->DrawMode = SlopeLine::kCopyPen;
    RefreshViews();
}

void FrmMain::ShowTileNumber(std::int16_t tile) {
    const CellOrigin marker = SelectionMarkerOrigin(tile);
    shpTileSel->Move(marker.Left, marker.Top);
    shpTileSel->setVisible(true);
    SetLabelCaption(lblTileNum, QString::fromStdString(TileNumberText(tile)));
}

void FrmMain::ShowBitmapOffset(std::int16_t cell) {
    const CellOrigin marker = SelectionMarkerOrigin(cell);
    shpBMPSel->Move(marker.Left, marker.Top);
    shpBMPSel->setVisible(true);
    SetLabelCaption(lblBMPNum, QString::fromStdString(BitmapOffsetText(cell)));
}

}  // namespace mosalind
