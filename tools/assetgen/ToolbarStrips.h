#pragma once
#include <QColor>
#include <QImage>

// The toolbar's two image strips: eight 32 x 32 pictures side by side (New, Open, Jumble,
// Show solution, Solve for me, Puzzle difficulty, Grid, Sound) on the see-through grey.
enum class ButtonFace { Light, Dark };

inline const QColor StripTransparentColour{192, 192, 192};

QImage PaintToolbarStrip(ButtonFace face);
