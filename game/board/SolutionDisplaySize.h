#pragma once

#include <QSize>

// The size the solution window shows a picture at: the longer side 200 pixels, the other one
// scaled by the single-precision ratio of the sides and cut to whole pixels. A size with a side
// below 1 is taken as square, so no ratio divides by zero.
QSize SolutionDisplaySize(int naturalWidth, int naturalHeight);
