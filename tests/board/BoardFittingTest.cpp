#include "BoardFitting.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

constexpr int Caption = 23;
constexpr int Menu = 20;
constexpr int Allowance = 40;

// A 1920 x 1080 screen: limits 1870 x 947.
const ScreenLimits FullHd = ComputeScreenLimits(1920, 1080, Caption, Menu, Allowance);

BoardSize Fit(int width, int height, int n, bool toolbarShown = true,
              const ScreenLimits& limits = FullHd)
{
    return FitBoard(width, height, n, limits, Menu, toolbarShown, Allowance);
}

void ExpectSize(const BoardSize& size, int width, int height)
{
    EXPECT_EQ(size.Width, width);
    EXPECT_EQ(size.Height, height);
}

} // namespace

TEST(BoardFitting, LimitsTakeOffTheToolbarAllowanceAlways)
{
    EXPECT_EQ(FullHd.MaxWidth, 1870);
    EXPECT_EQ(FullHd.MaxHeight, 1080 - 23 - 40 - 20 - 50);
}

TEST(BoardFitting, NarrowPictureIsWidenedTo350)
{
    ExpectSize(Fit(200, 100, 1), 350, 175);
    ExpectSize(Fit(200, 100, 4), 348, 172);
    // Widening a narrow, tall picture stops at the limit height.
    ExpectSize(Fit(100, 5000, 4), 348, 944);
}

TEST(BoardFitting, PictureWithinTheLimitsKeepsItsSizeCutToMultiplesOfN)
{
    ExpectSize(Fit(800, 600, 4), 800, 600);
    ExpectSize(Fit(800, 600, 7), 798, 595);
    for (int n = 3; n <= 10; ++n) {
        const BoardSize size = Fit(1234, 777, n);
        EXPECT_EQ(size.Width % n, 0) << "N = " << n;
        EXPECT_EQ(size.Height % n, 0) << "N = " << n;
        EXPECT_GT(size.Width, 1234 - n);
        EXPECT_GT(size.Height, 777 - n);
    }
}

TEST(BoardFitting, WidePictureBeyondTheLimitsIsShrunkToTheWidth)
{
    // W = 1870 - 100; H = 1770 / 4000 * 1000 = 442, less the menu and the toolbar if shown.
    ExpectSize(Fit(4000, 1000, 4, true), 1768, 380);
    ExpectSize(Fit(4000, 1000, 4, false), 1768, 420);
    // Still too high after shrinking: cut to the limit height.
    ExpectSize(Fit(2000, 1900, 4), 1768, 944);
}

TEST(BoardFitting, TallPictureBeyondTheLimitsIsShrunkToTheHeight)
{
    // H = 947 - 100 - 20 - 40 = 787; W = 787 / 4000 * 3000 = 590.
    ExpectSize(Fit(3000, 4000, 4, true), 588, 784);
    // A slim tall picture is kept at least 350 wide.
    ExpectSize(Fit(1000, 3000, 5, true), 350, 785);
    ExpectSize(Fit(1000, 3000, 4, false), 348, 824);
    // Never wider than the limit.
    const ScreenLimits narrow{500, 947};
    ExpectSize(Fit(3000, 3000, 4, true, narrow), 500, 784);
}

TEST(BoardFitting, DegeneratePicturesAndScreensStillGiveAUsableBoard)
{
    // A picture without a size is fitted like a 350 x 350 square.
    ExpectSize(Fit(0, 100, 4), 348, 348);
    ExpectSize(Fit(100, 0, 4), 348, 348);
    ExpectSize(Fit(-5, -5, 10), 350, 350);

    // Extreme proportions neither overflow nor leave a side below N.
    const BoardSize flat = Fit(INT_MAX, 1, 10);
    EXPECT_EQ(flat.Height, 10);
    EXPECT_EQ(flat.Width % 10, 0);
    ExpectSize(Fit(1, INT_MAX, 4), 348, 944);

    // A screen too small for any board.
    const ScreenLimits tiny = ComputeScreenLimits(40, 60, Caption, Menu, Allowance);
    const BoardSize size = Fit(3000, 4000, 6, true, tiny);
    EXPECT_GE(size.Width, 6);
    EXPECT_GE(size.Height, 6);
    EXPECT_EQ(size.Width % 6, 0);
    EXPECT_EQ(size.Height % 6, 0);
}
