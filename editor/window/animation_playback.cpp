#include "window/animation_playback.h"

namespace mosalind {

namespace {

constexpr int kStepMilliseconds = 125;  // 8 frames a second
// The steps are counted modulo a multiple of every frame count from 1 to 8, so what a view
// shows is the same as if they were counted for ever.
constexpr int kStepCycle = 840;

}  // namespace

AnimationPlayback::AnimationPlayback(QObject* parent) : QObject(parent) {
    timer_.setInterval(kStepMilliseconds);
    connect(&timer_, &QTimer::timeout, this, [this] { Step(); });
}

void AnimationPlayback::Step() {
    if (!IsPlaying()) {
        return;
    }
    step_ = (step_ + 1) % kStepCycle;
    if (OnStep) {
        OnStep();
    }
}

void AnimationPlayback::Start() {
    step_ = 0;
    timer_.start();
}

void AnimationPlayback::Stop() {
    timer_.stop();
    step_ = -1;
}

int AnimationPlayback::ShownFrame(int frame, int framesInUse) const {
    if (!IsPlaying() || framesInUse <= 0 || frame < 0 || frame >= framesInUse) {
        return frame;
    }
    return (frame + step_) % framesInUse;
}

}  // namespace mosalind
