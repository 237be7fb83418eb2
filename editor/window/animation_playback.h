#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace mosalind {

// The animations playing: 8 steps a second, each showing every view's next frame. It only
// counts the steps; what a view shows is its frame moved on by them (ShownFrame), so the
// current frame and the document never change while playing.
class AnimationPlayback : public QObject {
    Q_OBJECT
public:
    explicit AnimationPlayback(QObject* parent = nullptr);

    // Runs after every step, to repaint the views.
    std::function<void()> OnStep;

    bool IsPlaying() const { return step_ >= 0; }
    void Start();  // from the frames the views show now
    void Stop();

    // The frame a view of `frame` shows: `frame` itself while not playing.
    int ShownFrame(int frame, int framesInUse) const;

    // One step, as the timer makes it 8 times a second while playing.
    void Step();
    const QTimer& Timer() const { return timer_; }

private:
    QTimer timer_;
    int step_ = -1;  // steps since Start; -1 while not playing
};

}  // namespace mosalind
