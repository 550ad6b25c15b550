#pragma once

// The arithmetic that fits a new puzzle's board to the screen. Plain numbers in, plain numbers
// out, so that it can be checked without a window.

struct ScreenLimits { int MaxWidth; int MaxHeight; };
struct BoardSize { int Width; int Height; };

// maxW := screen width - 50; maxH := screen height - caption - toolbar allowance - menu - 50
// (the allowance is taken off whether or not the toolbar is shown). Our screen sizes already
// leave out panels/taskbars, so there is no separate taskbar step.
ScreenLimits ComputeScreenLimits(int screenWidth, int screenHeight, int captionHeight,
                                 int menuHeight, int toolbarAllowance);

// The board size for a picture of pictureWidth x pictureHeight pixels: a narrow picture is
// widened to 350, a picture within the limits keeps its size, a larger one is shrunk to fit;
// both sides are then cut down to multiples of n. Floating-point divisions in the order
// written, truncating conversions. A picture without a size is fitted as a 350 x 350 square,
// and each side is at least n pixels.
BoardSize FitBoard(int pictureWidth, int pictureHeight, int n, const ScreenLimits& limits,
                   int menuHeight, bool toolbarShown, int toolbarAllowance);
