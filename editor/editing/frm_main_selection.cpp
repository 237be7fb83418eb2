#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "document/tile_collision.h"
#include "editing/cell_grid.h"
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
    const TileCollision collision = ReadTileCollision(Session.Set(), tile);
    for (int side = 0; side < 4; ++side) {
        cboBlocking[side]->setCurrentIndex(collision.Sides[side].Blocking);
        const SideSlope slope = collision.Sides[side].Shown(left, right);
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
