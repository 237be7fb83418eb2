#include <QPushButton>

#include "editing/slope_codec.h"
#include "window/frm_main.h"

namespace mosalind {

void FrmMain::picTile_MouseDown(int, int, double x, double y) {
    const std::optional<int> level = LevelAtClick(y, picTile->ScaleHeight());
    if (!level) {
        return;
    }
    if (ClickSetsLeftLevel(x, picTile->ScaleWidth())) {
        Session.SetPendingSlope(*level, Session.SlopeRight());
    } else {
        Session.SetPendingSlope(Session.SlopeLeft(), *level);
    }
    linSlope->DrawMode = SlopeLine::kInvert;
    RefreshViews();
}

void FrmMain::chkSlope_Click(int) {
    linSlope->DrawMode = SlopeLine::kInvert;
    RefreshViews();
}

void FrmMain::cmdSetSlope_Click() {
    const std::optional<std::uint8_t> slopeByte = EncodeSlope(Session.SlopeLeft(), Session.SlopeRight());
    if (!slopeByte) {
        dialogs_->ShowMessage(QStringLiteral("Invalid Slope!"));
        return;
    }
    std::array<bool, 4> sloped{};
    for (int side = 0; side < 4; ++side) {
        sloped[side] = chkSlope[side]->isChecked();
    }
    Session.MarkEditedTilesDone();
    PushEdit(Session.SlopeEdit(sloped, *slopeByte));
    linSlope->DrawMode = SlopeLine::kCopyPen;
    RefreshViews();
}

}  // namespace mosalind
