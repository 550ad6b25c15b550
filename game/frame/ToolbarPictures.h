#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// The toolbar's pictures come from one strip of 32 x 32 pictures. A second strip, drawn for dark
// desktops, is used when the button face is dark. Light grey RGB(192, 192, 192) is see-through.

inline const QColor ToolbarTransparentColour{192, 192, 192};

// True when each of red, green and blue of the button face is below 179.
bool IsDarkButtonFace(const QColor& buttonFace);

// ":/BITMAP/133" for a dark button face, ":/BITMAP/129" otherwise.
QString ToolbarStripPath(const QColor& buttonFace);

// Picture `index` of the strip, with the see-through colour made transparent. A strip too small
// to hold that picture gives a null image.
QImage ToolbarPicture(const QImage& strip, int index);
