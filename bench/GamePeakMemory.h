#pragma once

#include <QSize>
#include <QString>

// Starts the game on an offscreen screen of the given size, once with a picture folder that
// holds only `picture` and once with an empty one (the built-in picture), and prints the peak
// resident memory of each run and their ratio beside the goal.
void PrintGamePeakMemory(const QString& picture, QSize screen, double goal);
