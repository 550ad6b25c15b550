#pragma once
#include <QImage>

// The picture every new player meets first, as a 4 x 4 puzzle: an evening lake landscape with
// something different in every part of it, so each tile can be placed by eye.
QImage PaintBuiltInPicture();
