#include <QPushButton>

#include <algorithm>

#include "document/tile_edit_commands.h"
#include "editing/slope_codec.h"
#include "window/frm_main.h"

namespace mosalind {

void FrmMain::picTile_MouseDown(int, int, double x, double y) {
    const std::optional<int> level = LevelAtClick(y, picTile->ScaleHeight());
    if (!level) {
        return;
    }
    if (ClickSetsLeftLevel(x, picTile->ScaleWidth())) {
        SlopeLeft = *level;
    } else {
        SlopeRight = static_cast<std::int16_t>(*level);
    }
    linSlope->DrawMode = SlopeLine::kInvert;
    RefreshViews();
}

void FrmMain::chkSlope_Click(int) {
    linSlope->DrawMode = SlopeLine::kInvert;
    RefreshViews();
}

void FrmMain::cmdSetSlope_Click() {
    const std::optional<std::uint8_t> slopeByte = EncodeSlope(SlopeLeft, SlopeRight);
    if (!slopeByte) {
        dialogs_->ShowMessage(QStringLiteral("Invalid Slope!"));
        return;
    }
    std::array<bool, 4> sloped{};
    for (int side = 0; side < 4; ++side) {
        sloped[side] = chkSlope[side]->isChecked();
    }
    EditTiles(std::make_unique<SlopeCommand>(*this), EditedTiles(), [&sloped, slopeByte](TileValues& values) {
        for (int side = 0; side < 4; ++side) {
            values.Sides[side] = WithSlope(values.Sides[side], sloped[side], *slopeByte);
        }
    });
    linSlope->DrawMode = SlopeLine::kCopyPen;
    RefreshViews();
}

void FrmMain::RefreshViews() {
    const int framesInUse = std::clamp<int>(Document.Header.FrameCount, 0, kMaxFrames);
    for (int frame = 0; frame < framesInUse; ++frame) {
        picAnim[frame]->Refresh();
    }
    picTile->Refresh();
    picTilesScroller->Refresh();

    const double height = picTile->ScaleHeight();
    linSlope->Y1 = LineRowForLevel(SlopeLeft, height);
    linSlope->Y2 = LineRowForLevel(SlopeRight, height);
    const bool anySideSloped =
        std::any_of(chkSlope.begin(), chkSlope.end(), [](const QPushButton* box) { return box->isChecked(); });
    linSlope->setVisible(anySideSloped);
    linSlope->Refresh();
}

}  // namespace mosalind
