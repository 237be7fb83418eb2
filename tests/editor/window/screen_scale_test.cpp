// The whole screen scale the window asks for, and where the large tile and frame views put
// their 16 x 16 picture so that each art pixel covers whole screen pixels.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <cmath>

#include "window/drop_down_list.h"
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
        int LogicalDpi;    // 96 on a screen at 100 %; 120 at 125 %, drawn 1:1 with a larger font
        // Expected, in screen pixels: the picture's corner and side.
        int Corner;
        int Side;
    } cases[] = {
        {"100 % fills the view as it always did", 1.0, 77, 1.0, 96, 0, 77},
        {"large tile at 125 %: 77 screen pixels hold 4 per art pixel", 1.0, 77, 1.0, 120, 6, 64},
        {"frame view at 125 %: 37 hold 2", 1.0, 37, 15.0, 120, 2, 32},
        {"large tile at 200 %: 154 screen pixels hold 9 per art pixel", 2.0, 77, 1.0, 96, 5, 144},
        {"frame view at 200 %, in its own units", 2.0, 37, 15.0, 96, 5, 64},
        {"large tile at 300 %: 231 hold 14 per art pixel", 3.0, 77, 1.0, 96, 3, 224},
    };
    for (const Case& c : cases) {
        const int screenSide = static_cast<int>(c.ViewPixels * c.Ratio);
        QImage screen(screenSide, screenSide, QImage::Format_RGB32);
        screen.setDevicePixelRatio(c.Ratio);
        const int dotsPerMeter = static_cast<int>(std::lround(c.LogicalDpi / 0.0254));
        screen.setDotsPerMeterX(dotsPerMeter);
        screen.setDotsPerMeterY(dotsPerMeter);
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

// A larger font on a scaled screen leaves the side lists too narrow for their rows: the
// closed list shows the whole letters that fit, drawn exactly as a list holding just those.
TEST(ScreenScale, ClosedListsShowWholeLetters) {
    const QString row = QStringLiteral("1 - Blocking");
    for (const int pointSize : {9, 11, 13}) {
        QFont font;
        font.setPointSize(pointSize);
        mosalind::DropDownList list;
        list.setFont(font);
        list.addItem(row);
        list.resize(70, 24);
        QStyleOptionComboBox option;
        option.initFrom(&list);
        const int room =
            list.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list).width() - 2;
        const QFontMetrics metrics(font);
        QString expected = row;
        while (metrics.horizontalAdvance(expected) > room) {
            expected.chop(1);
        }
        ASSERT_LT(expected.size(), row.size()) << "the row must not fit, at " << pointSize << " points";

        mosalind::DropDownList shorter;
        shorter.setFont(font);
        shorter.addItem(expected);
        shorter.resize(list.size());
        EXPECT_EQ(list.grab().toImage(), shorter.grab().toImage())
            << pointSize << " points, shown: " << expected.toStdString();
    }
}

}  // namespace
