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
    void Move(int left, int top) { move(left, top); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};

}  // namespace mosalind
