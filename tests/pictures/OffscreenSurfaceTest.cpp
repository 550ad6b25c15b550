#include "OffscreenSurface.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

QImage Window(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage window(width, height, format);
    window.fill(Qt::white);
    return window;
}

QColor At(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

} // namespace

TEST(OffscreenSurfaceTest, CopiesOnlyThePaintedAreaInTheTargetsCoordinates)
{
    QImage window = Window(100, 80);
    {
        QPainter target(&window);
        OffscreenSurface surface(target, QRect(20, 10, 30, 40));
        surface.Painter().fillRect(QRect(0, 0, 100, 80), Qt::blue);  // more than the area
        surface.Painter().fillRect(QRect(20, 10, 5, 5), Qt::red);    // the area's corner
        EXPECT_EQ(At(window, 30, 30), QColor(Qt::white)) << "nothing reaches the target before the end";
    }
    EXPECT_EQ(At(window, 20, 10), QColor(Qt::red));
    EXPECT_EQ(At(window, 24, 14), QColor(Qt::red));
    EXPECT_EQ(At(window, 25, 15), QColor(Qt::blue));
    EXPECT_EQ(At(window, 49, 49), QColor(Qt::blue));
    EXPECT_EQ(At(window, 19, 10), QColor(Qt::white));
    EXPECT_EQ(At(window, 50, 30), QColor(Qt::white));
    EXPECT_EQ(At(window, 30, 50), QColor(Qt::white));
    EXPECT_EQ(At(window, 30, 9), QColor(Qt::white));
}

TEST(OffscreenSurfaceTest, TopMarginShiftsDownAndTrimsTheBottom)
{
    const int h = 12;
    QImage window = Window(60, 100);
    QPainter target(&window);
    OffscreenSurface surface(target, QRect(0, 0, 60, 100));
    surface.SetMargins(0, h, 0, 0);
    surface.Painter().fillRect(QRect(0, 0, 60, 100), Qt::green);
    surface.Painter().fillRect(QRect(0, 0, 60, 10), Qt::red);
    surface.Painter().fillRect(QRect(0, 100 - h, 60, h), Qt::blue);  // the rows that are trimmed
    surface.End();
    surface.End();  // a second end copies nothing more
    target.end();

    EXPECT_EQ(At(window, 30, h - 1), QColor(Qt::white));
    EXPECT_EQ(At(window, 30, h), QColor(Qt::red));
    EXPECT_EQ(At(window, 30, h + 9), QColor(Qt::red));
    EXPECT_EQ(At(window, 30, h + 10), QColor(Qt::green));
    EXPECT_EQ(At(window, 30, 99), QColor(Qt::green));
    for (int y = 0; y < 100; ++y)
        ASSERT_NE(At(window, 0, y), QColor(Qt::blue)) << y;
}

TEST(OffscreenSurfaceTest, AllFourMarginsShiftAndTrim)
{
    QImage window = Window(100, 100, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter target(&window);
        OffscreenSurface surface(target, QRect(10, 10, 50, 40));
        surface.SetMargins(5, 3, 7, 9);
        surface.Painter().fillRect(QRect(10, 10, 50, 40), Qt::black);
    }
    // Destination: left 15, top 13, width 50 - 5 - 7 = 38, height 40 - 3 - 9 = 28.
    EXPECT_EQ(At(window, 15, 13), QColor(Qt::black));
    EXPECT_EQ(At(window, 52, 40), QColor(Qt::black));
    EXPECT_EQ(At(window, 14, 20), QColor(Qt::white));
    EXPECT_EQ(At(window, 53, 20), QColor(Qt::white));
    EXPECT_EQ(At(window, 20, 12), QColor(Qt::white));
    EXPECT_EQ(At(window, 20, 41), QColor(Qt::white));
}

TEST(OffscreenSurfaceTest, MarginsLargerThanTheAreaOrAnEmptyAreaCopyNothing)
{
    QImage window = Window(40, 40);
    const QImage before = window;
    QPainter target(&window);
    {
        OffscreenSurface surface(target, QRect(0, 0, 40, 40));
        surface.SetMargins(0, 30, 0, 30);
        surface.Painter().fillRect(QRect(0, 0, 40, 40), Qt::red);
    }
    {
        OffscreenSurface surface(target, QRect(5, 5, 0, 0));
        surface.Painter().fillRect(QRect(0, 0, 40, 40), Qt::red);
    }
    target.end();
    EXPECT_EQ(window, before);
}

TEST(OffscreenSurfaceTest, HighDensityTargetsGetTheirImageUnscaled)
{
    QImage window(80, 80, QImage::Format_RGB32);
    window.setDevicePixelRatio(2.0);
    window.fill(Qt::white);
    {
        QPainter target(&window);
        OffscreenSurface surface(target, QRect(0, 0, 40, 40));
        surface.SetMargins(0, 10, 0, 0);
        surface.Painter().fillRect(QRect(0, 0, 40, 40), Qt::white);
        surface.Painter().fillRect(QRect(0, 0, 10, 10), Qt::red);
    }
    // Logical (0, 10)..(10, 20) is device (0, 20)..(20, 40).
    EXPECT_EQ(At(window, 0, 19), QColor(Qt::white));
    EXPECT_EQ(At(window, 0, 20), QColor(Qt::red));
    EXPECT_EQ(At(window, 19, 39), QColor(Qt::red));
    EXPECT_EQ(At(window, 20, 39), QColor(Qt::white));
    EXPECT_EQ(At(window, 0, 40), QColor(Qt::white));
}

TEST(OffscreenSurfaceTest, StartsFromAnImageDrawnEarlierWithoutChangingIt)
{
    QImage drawn = Window(60, 40);
    drawn.fill(Qt::green);
    drawn.setPixelColor(25, 15, Qt::red);
    QImage window = Window(60, 40);
    {
        QPainter target(&window);
        OffscreenSurface surface(target, QRect(20, 10, 100, 100), drawn);  // clipped to the image
        surface.Painter().fillRect(QRect(30, 20, 2, 2), Qt::blue);
    }
    EXPECT_EQ(At(window, 19, 10), QColor(Qt::white)) << "outside the painted area";
    EXPECT_EQ(At(window, 20, 10), QColor(Qt::green));
    EXPECT_EQ(At(window, 25, 15), QColor(Qt::red)) << "pixels land where they were drawn";
    EXPECT_EQ(At(window, 31, 21), QColor(Qt::blue));
    EXPECT_EQ(At(window, 59, 39), QColor(Qt::green));
    EXPECT_EQ(At(drawn, 31, 21), QColor(Qt::green)) << "the earlier image is not drawn on";

    QImage shifted = Window(60, 40);
    {
        QPainter target(&shifted);
        OffscreenSurface surface(target, QRect(0, 0, 60, 40), drawn);
        surface.SetMargins(0, 5, 0, 0);
    }
    EXPECT_EQ(At(shifted, 25, 20), QColor(Qt::red));
    EXPECT_EQ(At(shifted, 25, 4), QColor(Qt::white));
}
