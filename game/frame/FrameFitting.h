#pragma once

#include "BoardFitting.h"

#include <QRect>
#include <QSize>

class QMainWindow;

// The frame's own measures: the caption, the menu bar and the frame's thickness on each side.
struct FrameMeasures {
    int CaptionHeight = 0;
    int MenuHeight = 0;
    int DialogFrameHeight = 0;
};

// The window is exactly its menu, toolbar, board and status line: a caption, a system menu,
// minimise and close, but no sizing and no maximise; it follows the board's size and grows or
// shrinks as the toolbar takes room or gives it up.
void FixFrameToItsContents(QMainWindow& window);

// Taken from the real window once it has one, estimated before.
FrameMeasures MeasureFrame(QMainWindow& window);

// The room for a board on the window's screen, as a new puzzle fits it.
ScreenLimits CurrentScreenLimits(const QMainWindow& window, const FrameMeasures& measures,
                                 int toolbarAllowance);

// Moves the window, whose layout has just fitted it around the board, back onto the screen.
void KeepWindowOnScreen(QMainWindow& window, const FrameMeasures& measures,
                        const ScreenLimits& limits);

// Keeps a window of frame rectangle r on the screen area whose limits are given: too far right
// (and not already near the left edge) moves it to x = 50; too low moves it to y = 5. r and the
// result are relative to the top-left corner of the screen's available area.
QRect PlaceWindow(const QRect& r, const ScreenLimits& limits);

// Fits the window to each new puzzle: the board's size for the picture on the window's screen,
// then the window, laid out around the board, kept on that screen.
class FrameFitter {
public:
    // The toolbar's allowance is taken when the window is first set up, as the screen's room
    // for a board always leaves it.
    FrameFitter(QMainWindow& window, int toolbarAllowance);

    int ToolbarAllowance() const { return toolbarAllowance_; }
    // The board for a picture of its natural size cut n x n.
    QSize BoardFor(const QSize& natural, int n, bool toolbarShown);
    // Lays the window out around the board just sized and keeps it on the screen.
    void KeepOnScreen();

private:
    QMainWindow& window_;
    int toolbarAllowance_;
    FrameMeasures measures_;
    ScreenLimits limits_{0, 0};
};
