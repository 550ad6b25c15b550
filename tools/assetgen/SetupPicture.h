#pragma once
#include <QImage>

// Bitmap 109 of the setup pages, 133 x 253: a computer, a software box, a compact disc and floppy
// disks on a teal ground.
QImage PaintSetupPicture();

// Icon 102 of the setup program: the software box with the product's emblem on its face.
QImage PaintInstallerIcon(int size);
