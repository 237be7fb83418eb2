#pragma once

#include <QColor>
#include <QWidget>

namespace mosalind {

// A rectangle outline over a picture box (shpTileSel, shpBMPSel). Transparent to the
// mouse, so clicks reach the box beneath it.
class RectMarker : public QWidget {
    Q_OBJECT
public:
    RectMarker(QColor colour, QWidget* parent);

    // Moves the marker's top-left corner, keeping its size.
    void Move(int left, int top) { move(left * zoom_, top * zoom_); }

    // Over a zoomed picture box: position, size and outline `zoom` times as large, so that
    // positions stay in the box's units.
    void SetZoom(int zoom);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
    int zoom_ = 1;
};

}  // namespace mosalind
