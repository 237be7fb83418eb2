#pragma once

#include <QFrame>
#include <QImage>
#include <QRect>
#include <QRectF>
#include <functional>

class QPainter;
class QWheelEvent;

namespace mosalind {

// The bits of the shift state a picture box reports with a mouse press or a key.
constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

// A picture box: a drawing area that measures in pixels or in a user scale, may hold a
// Picture (drawn first, at its own size), runs a paint handler over it and reports mouse
// presses in its own units. It can contain other controls and be moved in its container.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Sunken 2-pixel border (the two viewports); the inner area shrinks by the border.
    void SetSunkenBorder(bool sunken);

    // The widget that contained controls belong to: the inner area, which clips them
    // inside the border. Without a border it is the box itself.
    QWidget* Inner();

    // Drawing area: ScaleWidth x ScaleHeight units spread over the inner area. Without a
    // user scale both are the inner size in pixels.
    void SetUserScale(double width, double height);
    double ScaleWidth() const;
    double ScaleHeight() const;

    // Zoom: the picture and the Paint handler are drawn `zoom` x `zoom` screen pixels to a
    // unit, and a press is reported at the whole unit under the mouse; ScaleWidth and
    // ScaleHeight count units, while Top and Height stay in pixels of the container. The
    // box keeps its size in units. 1, the default, draws and reports pixel for pixel.
    void SetZoom(int zoom);
    int Zoom() const { return zoom_; }

    int Top() const { return y(); }
    void SetTop(int top);
    int Height() const { return height(); }

    // With AutoSize set, assigning a picture resizes the box to the picture's size (at the
    // zoom).
    void SetAutoSize(bool autoSize) { autoSize_ = autoSize; }
    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }
    // The same pixels in a format the screen takes as it is (a palette's picture looked up
    // once, when first drawn): copying and zooming its cells then needs no look-up per pixel.
    const QImage& DrawnPicture() const;

    // Repaints the box now: its Paint handler runs before Refresh returns.
    void Refresh();

    // Copies the `source` pixels of `picture` onto `destination` (in the box's units),
    // stretched to fit. A source rectangle that is not wholly inside the picture is not
    // read: the destination is filled with the box's background colour instead.
    void PaintPicture(QPainter& painter, const QImage& picture, const QRectF& destination, const QRect& source) const;
    QColor BackColor() const;

    // Runs on every paint, after the picture, with a painter in the box's units clipped
    // to the inner area and to the part being repainted (painter.clipBoundingRect()).
    std::function<void(QPainter&)> Paint;
    // Runs on a press of any mouse button: button (1 left, 2 right, 4 middle), shift
    // state (1 shift, 2 ctrl, 4 alt), X and Y in the box's units.
    std::function<void(int button, int shift, double x, double y)> MouseDown;
    // Runs on a key pressed while the box has the focus, with the key (Qt::Key) and the
    // shift state as above; returns whether the key was used.
    std::function<bool(int key, int shift)> KeyDown;
    // Runs on a turn of the mouse wheel over the box or the boxes inside it; returns
    // whether the turn was used.
    std::function<bool(QWheelEvent& event)> MouseWheel;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage picture_;
    mutable QImage drawn_;  // DrawnPicture(), made on first use; null until then
    QWidget* inner_ = nullptr;
    bool autoSize_ = false;
    double userWidth_ = 0;
    double userHeight_ = 0;
    int zoom_ = 1;
};

}  // namespace mosalind
