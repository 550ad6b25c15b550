// Keeping the window on the screen when a new puzzle resizes it.
#include "FrameFitting.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowPlacement, KeepsTheWindowOnTheScreen)
{
    const ScreenLimits limits{1000, 700};
    EXPECT_EQ(PlaceWindow(QRect(50, 10, 600, 500), limits), QRect(50, 10, 600, 500));
    EXPECT_EQ(PlaceWindow(QRect(600, 10, 600, 500), limits).topLeft(), QPoint(50, 10));
    EXPECT_EQ(PlaceWindow(QRect(40, 10, 990, 500), limits).topLeft(), QPoint(40, 10))
        << "already near the left edge";
    EXPECT_EQ(PlaceWindow(QRect(50, 300, 600, 500), limits).topLeft(), QPoint(50, 5));
    EXPECT_EQ(PlaceWindow(QRect(50, 300, 600, 500), limits).size(), QSize(600, 500));
}

} // namespace
