#pragma once
#include <QImage>

// The picture of the About box, 197 x 198: the tile emblem above the product's name.
QImage PaintAboutPicture();
