#include "BoardFitting.h"

#include <climits>

namespace {

// Narrower pictures are widened to this; also the stand-in size of a picture without a size.
constexpr int MinimumWidth = 350;
// How much smaller than the limit a too large picture is made.
constexpr int ShrinkMargin = 100;

// Truncates like a plain conversion, but a quotient beyond the range of int saturates instead
// of being undefined.
int Truncate(double value)
{
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

int CutToMultiple(int length, int n)
{
    const int cut = length - length % n;
    return cut < n ? n : cut;
}

} // namespace

ScreenLimits ComputeScreenLimits(int screenWidth, int screenHeight, int captionHeight,
                                 int menuHeight, int toolbarAllowance)
{
    return {screenWidth - 50, screenHeight - captionHeight - toolbarAllowance - menuHeight - 50};
}

BoardSize FitBoard(int pictureWidth, int pictureHeight, int n, const ScreenLimits& limits,
                   int menuHeight, bool toolbarShown, int toolbarAllowance)
{
    if (n < 1)
        n = 1;
    if (pictureWidth <= 0 || pictureHeight <= 0) {
        pictureWidth = MinimumWidth;
        pictureHeight = MinimumWidth;
    }
    const double pw = pictureWidth;
    const double ph = pictureHeight;
    const int maxW = limits.MaxWidth;
    const int maxH = limits.MaxHeight;
    const int toolbar = toolbarShown ? toolbarAllowance : 0;

    int w = 0;
    int h = 0;
    if (pictureWidth < MinimumWidth) {
        w = MinimumWidth;
        h = Truncate(MinimumWidth / pw * ph);
        if (h > maxH)
            h = maxH;
    } else if (pictureWidth < maxW && pictureHeight < maxH) {
        w = pictureWidth;
        h = pictureHeight;
    } else if (pictureWidth > pictureHeight) {
        w = maxW - ShrinkMargin;
        h = Truncate(w / pw * ph) - menuHeight - toolbar;
        if (h > maxH)
            h = maxH;
    } else {
        h = maxH - ShrinkMargin - menuHeight - toolbar;
        w = Truncate(h / ph * pw);
        if (w < MinimumWidth)
            w = MinimumWidth;
        if (w > maxW)
            w = maxW;
    }
    return {CutToMultiple(w, n), CutToMultiple(h, n)};
}
