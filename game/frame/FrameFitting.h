#pragma once

#include "BoardFitting.h"

class QMainWindow;

// The frame's own measures: the caption, the menu bar and the frame's thickness on each side.
struct FrameMeasures {
    int CaptionHeight = 0;
    int MenuHeight = 0;
    int DialogFrameHeight = 0;
};

// Taken from the real window once it has one, estimated before.
FrameMeasures MeasureFrame(QMainWindow& window);

// The room for a board on the window's screen, as a new puzzle fits it.
ScreenLimits CurrentScreenLimits(const QMainWindow& window, const FrameMeasures& measures,
                                 int toolbarAllowance);

// Moves the window, whose layout has just fitted it around the board, back onto the screen.
void KeepWindowOnScreen(QMainWindow& window, const FrameMeasures& measures,
                        const ScreenLimits& limits);
