#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "editing/cell_grid.h"
#include "editing/slope_codec.h"
#include "window/frm_main.h"
#include "window/screen_scale.h"

namespace mosalind {

namespace {

// The 16 x 16 square of cell n in the sheet picture (and of tile n in the tile sheet). A
// negative cell number read from a file gives a square outside the picture.
QRect CellSquare(std::int16_t n) {
    const CellOrigin origin = CellOriginOf(n);
    return QRect(origin.Left, origin.Top, kCellSize, kCellSize);
}

bool CursorInRange(int frame, int tile) {
    return frame >= 0 && frame < kMaxFrames && tile >= 0 && tile < kMaxTiles;
}

}  // namespace

void FrmMain::picTile_Paint(QPainter& painter) {
    if (!SetIsOpen() || !CursorInRange(CurrentFrame(), CurrentTile())) {
        return;
    }
    const int cell = Session.Set().TileFrames[ShownFrame(CurrentFrame())][CurrentTile()];
    const QRectF wholeArea(0, 0, picTile->ScaleWidth(), picTile->ScaleHeight());
    picTile->PaintPicture(painter, picBMPScroller->DrawnPicture(), WholeArtPixelArea(painter, wholeArea, kCellSize),
                          CellSquare(cell));
}

void FrmMain::picAnim_Paint(int index, QPainter& painter) {
    if (!SetIsOpen() || !CursorInRange(index, CurrentTile())) {
        return;
    }
    PictureBox* view = picAnim[index];
    const int cell = Session.Set().TileFrames[ShownFrame(index)][CurrentTile()];
    const QRectF wholeArea(0, 0, view->ScaleWidth(), view->ScaleHeight());
    view->PaintPicture(painter, picBMPScroller->DrawnPicture(), WholeArtPixelArea(painter, wholeArea, kCellSize),
                       CellSquare(cell));
}

void FrmMain::picTilesScroller_Paint(QPainter& painter) {
    if (!SetIsOpen()) {
        return;
    }
    const QImage& sheet = picBMPScroller->DrawnPicture();
    const auto& cells = Session.Set().TileFrames[ShownFrame(CurrentFrame())];
    const int tileCount = std::clamp<int>(Session.Set().Header.TileCount, 0, kMaxTiles);

    // Only the rows that meet the area being repainted.
    const QRect area = painter.hasClipping() ? painter.clipBoundingRect().toAlignedRect()
                                             : QRect(0, 0, picTilesScroller->width(), picTilesScroller->height());
    const int firstTile = std::max(0, area.top() / kCellSize) * kCellsPerRow;
    const int endTile = std::min(tileCount, (area.bottom() / kCellSize + 1) * kCellsPerRow);
    for (int tile = firstTile; tile < endTile; ++tile) {
        picTilesScroller->PaintPicture(painter, sheet, CellSquare(static_cast<std::int16_t>(tile)),
                                       CellSquare(cells[tile]));
    }
    DrawSheetMarks(painter, firstTile, endTile);
}

// The overlay shows every tile's values: it is drawn again when any change.
void FrmMain::Session_Changed(const SessionChange& change) {
    if (AttributesShown && change.TileValues()) {
        picTilesScroller->update();
    }
}

// Asks every view that shows the current tile or frame to repaint, and places the slope
// line over the large tile.
void FrmMain::RefreshViews() {
    for (int frame = 0; frame < FramesInUse(Session.Set()); ++frame) {
        picAnim[frame]->Refresh();
    }
    picTile->Refresh();
    picTilesScroller->Refresh();

    const double height = picTile->ScaleHeight();
    linSlope->Y1 = LineRowForLevel(Session.SlopeLeft(), height);
    linSlope->Y2 = LineRowForLevel(Session.SlopeRight(), height);
    const bool anySideSloped =
        std::any_of(chkSlope.begin(), chkSlope.end(), [](const QPushButton* box) { return box->isChecked(); });
    linSlope->setVisible(anySideSloped);
    linSlope->Refresh();
}

}  // namespace mosalind
