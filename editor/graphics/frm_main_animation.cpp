#include <QGroupBox>
#include <QTimer>
#include <algorithm>

#include "window/frm_main.h"

namespace mosalind {

// Playing only draws: every view shows its tile's frames in turn, starting from what it
// showed before, while CurrentFrame, the frame buttons and the document stay as they are.
void FrmMain::keyAnimate_Activated() {
    if (AnimationStep >= 0) {
        StopAnimation();
        return;
    }
    if (!frmControls->isEnabled() || Document.Header.FrameCount < 2) {
        return;
    }
    AnimationStep = 0;
    tmrAnimate->start();
}

void FrmMain::tmrAnimate_Timer() {
    const int framesInUse = std::clamp<int>(Document.Header.FrameCount, 1, kMaxFrames);
    if (AnimationStep < 0) {
        return;
    }
    AnimationStep = (AnimationStep + 1) % framesInUse;
    for (int frame = 0; frame < framesInUse; ++frame) {
        picAnim[frame]->update();
    }
    picTile->update();
    picTilesScroller->update();
}

void FrmMain::StopAnimation() {
    if (AnimationStep < 0) {
        return;
    }
    tmrAnimate->stop();
    AnimationStep = -1;
    RefreshViews();
}

int FrmMain::ShownFrame(int frame) const {
    const int framesInUse = std::clamp<int>(Document.Header.FrameCount, 0, kMaxFrames);
    if (AnimationStep < 0 || frame < 0 || frame >= framesInUse) {
        return frame;
    }
    return (frame + AnimationStep) % framesInUse;
}

}  // namespace mosalind
