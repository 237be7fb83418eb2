// The whole screen scale the window asks for, and where the large tile and frame views put
// their 16 x 16 picture so that each art pixel covers whole screen pixels.
#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>

#include "window/screen_scale.h"

namespace {

TEST(ScreenScale, DesktopScalesBecomeWholeScales) {
    struct Case {
        double Asked;
        int Used;
    } cases[] = {{1.0, 1}, {1.25, 1}, {1.5, 2}, {1.75, 2}, {2.0, 2}, {2.5, 3}, {0.5, 1}, {1e9, 64}};
    for (const Case& c : cases) {
        EXPECT_EQ(mosalind::WholeScreenScale(c.Asked), c.Used) << c.Asked;
    }
}

TEST(ScreenScale, ArtPicturesFitWholeScreenPixels) {
    struct Case {
        const char* Why;
        double Ratio;      // screen pixels per window pixel
        int ViewPixels;    // the view's side in window pixels
        double UserScale;  // view units per window pixel (the frame views count in 15ths)
        // Expected, in screen pixels: the picture's corner and side.
        int Corner;
        int Side;
    } cases[] = {
        {"1:1 fills the view as it always did", 1.0, 77, 1.0, 0, 77},
        {"large tile at 200 %: 154 screen pixels hold 9 per art pixel", 2.0, 77, 1.0, 5, 144},
        {"frame view at 200 %, in its own units", 2.0, 37, 15.0, 5, 64},
        {"large tile at 300 %: 231 hold 14 per art pixel", 3.0, 77, 1.0, 3, 224},
    };
    for (const Case& c : cases) {
        const int screenSide = static_cast<int>(c.ViewPixels * c.Ratio);
        QImage screen(screenSide, screenSide, QImage::Format_RGB32);
        screen.setDevicePixelRatio(c.Ratio);
        QPainter painter(&screen);
        painter.scale(1.0 / c.UserScale, 1.0 / c.UserScale);
        const double side = c.ViewPixels * c.UserScale;
        const QRectF area = mosalind::WholeArtPixelArea(painter, QRectF(0, 0, side, side), 16);
        const double toScreen = c.Ratio / c.UserScale;
        EXPECT_DOUBLE_EQ(area.left() * toScreen, c.Corner) << c.Why;
        EXPECT_DOUBLE_EQ(area.top() * toScreen, c.Corner) << c.Why;
        EXPECT_DOUBLE_EQ(area.width() * toScreen, c.Side) << c.Why;
        EXPECT_DOUBLE_EQ(area.height() * toScreen, c.Side) << c.Why;
    }
}

}  // namespace
