// The picture box, the rectangle marker and the slope line on their own.
#include <gtest/gtest.h>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

#include "window/picture_box.h"
#include "window/rect_marker.h"
#include "window/slope_line.h"
#include "window_test_support.h"

namespace mosalind {
namespace {

using window_test_support::PixelAt;
using window_test_support::Render;

TEST(PictureBoxTest, UserScaleMapsPaintingAndMousePositionsOntoTheInnerArea) {
    PictureBox box;
    box.resize(41, 41);
    box.SetSunkenBorder(true);  // inner area 37 x 37
    box.SetUserScale(15, 15);
    QRectF painted;
    box.Paint = [&](QPainter& painter) {
        painted = painter.transform().mapRect(QRectF(0, 0, 15, 15));
        painter.fillRect(QRectF(0, 0, 15, 15), Qt::green);
    };
    const QImage shown = Render(&box);
    EXPECT_EQ(painted, QRectF(2, 2, 37, 37));
    EXPECT_EQ(PixelAt(shown, 2, 2), QColor(Qt::green));
    EXPECT_EQ(PixelAt(shown, 38, 38), QColor(Qt::green));

    double x = -1, y = -1;
    int button = 0, shift = 0;
    box.MouseDown = [&](int b, int s, double px, double py) { button = b, shift = s, x = px, y = py; };
    box.show();
    QTest::mouseClick(&box, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, QPoint(2 + 37, 2));
    EXPECT_EQ(button, 2);
    EXPECT_EQ(shift, 3);
    EXPECT_DOUBLE_EQ(x, 15.0);
    EXPECT_DOUBLE_EQ(y, 0.0);
}

TEST(RectMarkerTest, OutlinesItsRectangleLeavingTheFramedCellVisibleAndPassesClicksOn) {
    PictureBox sheet;
    sheet.resize(64, 64);
    QImage picture(64, 64, QImage::Format_RGB32);
    picture.fill(Qt::black);
    sheet.SetPicture(picture);
    RectMarker marker(QColor(255, 0, 0), &sheet);
    marker.setGeometry(0, 0, 21, 21);
    marker.Move(14, 14);  // frames the cell at (16, 16)
    EXPECT_EQ(marker.geometry(), QRect(14, 14, 21, 21));
    const QImage shown = Render(&sheet);
    EXPECT_EQ(PixelAt(shown, 14, 20), QColor(255, 0, 0));
    EXPECT_EQ(PixelAt(shown, 34, 20), QColor(255, 0, 0));
    for (int i = 16; i < 32; ++i) {
        EXPECT_EQ(PixelAt(shown, i, i), QColor(Qt::black)) << i;
    }
    EXPECT_TRUE(marker.testAttribute(Qt::WA_TransparentForMouseEvents));
}

class SlopeLineTest : public ::testing::Test {
protected:
    void SetUp() override {
        view.resize(77, 77);
        QImage picture(77, 77, QImage::Format_RGB32);
        picture.fill(QColor(0x20, 0x40, 0x60));
        view.SetPicture(picture);
        line.setGeometry(view.rect());
        line.X2 = 80;
        line.Y2 = 80;
    }

    PictureBox view;
    SlopeLine line{QColor(255, 0, 0), &view};
};

TEST_F(SlopeLineTest, FollowsItsEndPointsAndHidesWhenHidden) {
    line.Y1 = 38;
    line.Y2 = 38;
    QImage shown = Render(&view);
    EXPECT_EQ(PixelAt(shown, 5, 38), QColor(255, 0, 0));
    EXPECT_EQ(PixelAt(shown, 40, 40 + 5), QColor(0x20, 0x40, 0x60));
    line.hide();
    shown = Render(&view);
    EXPECT_EQ(PixelAt(shown, 5, 38), QColor(0x20, 0x40, 0x60));
}

}  // namespace
}  // namespace mosalind
