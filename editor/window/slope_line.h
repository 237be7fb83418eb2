#pragma once

#include <QColor>
#include <QWidget>

namespace mosalind {

// The slope line over the tile view: a straight line from (X1, Y1) to (X2, Y2) in the
// view's pixels. DrawMode 13 draws it in its own colour; DrawMode 6 inverts the pixels
// under it. It covers the whole view and is transparent to the mouse.
class SlopeLine : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCopyPen = 13;
    static constexpr int kInvert = 6;

    SlopeLine(QColor colour, QWidget* parent);

    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    int DrawMode = kCopyPen;
    // The side, in art pixels, of the square picture under the line. On a scaled screen the
    // view draws that picture a little smaller than itself (whole screen pixels per art
    // pixel), and the line is drawn over the picture in the same place; 0: over the view.
    int ArtPixels = 0;

    // Repaints the line now.
    void Refresh();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};

}  // namespace mosalind
