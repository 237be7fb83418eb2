#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>

class QScrollBar;

namespace mosalind {

class PictureBox;
class RectMarker;

// One of the window's two scrolled views, the bitmap or the tile sheet, shown at a zoom of
// 1 to 4 screen pixels to a pixel of the art: the viewport, the content that moves in it,
// the selection marker over the content and the scroll bars, the vertical one of the
// layout and one across the bottom that shows only while the zoomed content is wider than
// the viewport. At 1x the content never is, and the view is the layout's.
//
// The vertical range follows one rule whatever the view's size: at its maximum the
// content's bottom edge meets the bottom of the part of the viewport it shows in; a
// content no taller than that part needs no scrolling and the bar is disabled. The bar
// across follows the same rule for the widths.
class ZoomedView : public QObject {
public:
    static constexpr int kMinZoom = 1;
    static constexpr int kMaxZoom = 4;

    ZoomedView(PictureBox* viewport, PictureBox* content, QScrollBar* down, RectMarker* marker, QObject* parent);

    // The cell the view keeps in view when it zooms (the current tile, the current frame's
    // cell); nothing while the view does not zoom (no tile set is open).
    std::function<std::optional<std::int16_t>()> MarkedCell;

    int Zoom() const { return zoom_; }
    // Runs when the zoom changed, before the bars follow: the view may get another size.
    std::function<void()> Zoomed;
    // The view's width that shows the whole width of the content at its zoom.
    int NeededWidth() const;
    // The view at `zoom` (1 to 4) with its marked cell in view; nothing without one.
    void ZoomTo(int zoom);
    // Ctrl and the wheel over the view: a zoom step a notch. Returns that the turn was taken.
    bool ZoomByWheel(int angleDelta);
    // Shows the content at `zoom` (clamped to 1 to 4): the content, its marker and the ranges
    // follow, and the art at the view's top-left corner stays there as far as they allow.
    void SetZoom(int zoom);

    QScrollBar* Across() const { return across_; }

    // Ctrl and the wheel over either bar zoom as over the view; a bar would page instead.
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The part of the viewport the content shows in, in pixels: its inner area less the bars.
    int VisibleWidth() const;
    int VisibleHeight() const;

    // After the content was (re)sized for a tile set or a sheet: the content at the top,
    // the vertical range set up by the rule, the vertical value left as it is.
    void SetUp(double contentHeight);
    // After the viewport or the content changed size: the bars placed and both ranges set
    // up again, the content staying where the ranges allow. A view not set up yet is only
    // placed.
    void Fit();

    // Scrolls no more than needed to show the whole of the grid's cell `cell`.
    void ShowCell(std::int16_t cell);

private:
    // The zoom steps a turn of the wheel makes: one a notch (120), smaller turns adding up.
    int WheelSteps(int angleDelta);
    bool NeedsAcross() const;
    void PlaceBars();
    void FollowBars();

    PictureBox* viewport_;
    PictureBox* content_;
    QScrollBar* down_;
    QScrollBar* across_;
    QWidget* corner_;  // between the bars' ends, over the content
    RectMarker* marker_;
    int zoom_ = 1;
    int wheelTurn_ = 0;
    bool setUp_ = false;
};

}  // namespace mosalind
