#include "window/animation_playback.h"
#include "window/frm_main.h"
#include "window/press_watcher.h"

namespace mosalind {

void FrmMain::SetUpAnimation() {
    Playback = new AnimationPlayback(this);
    Playback->OnStep = [this] {
        for (int frame = 0; frame < FramesInUse(Session.Set()); ++frame) {
            picAnim[frame]->update();
        }
        picTile->update();
        picTilesScroller->update();
    };
    // Any click in the window stops the animations before it does anything else.
    auto* presses = new PressWatcher(this);
    presses->OnPress = [this] { StopAnimation(); };
    presses->Watch(this);
}

// Playing only draws: every view shows its tile's frames in turn, starting from what it
// showed before, while CurrentFrame, the frame buttons and the document stay as they are.
void FrmMain::keyAnimate_Activated() {
    if (Playback->IsPlaying()) {
        StopAnimation();
        return;
    }
    if (!SetIsOpen() || FramesInUse(Session.Set()) < 2) {
        return;
    }
    Playback->Start();
}

void FrmMain::StopAnimation() {
    if (!Playback->IsPlaying()) {
        return;
    }
    Playback->Stop();
    RefreshViews();
}

int FrmMain::ShownFrame(int frame) const {
    return Playback->ShownFrame(frame, FramesInUse(Session.Set()));
}

}  // namespace mosalind
