#pragma once
#include <QImage>

// The program icon: the tile emblem on a transparent ground, `size` pixels square.
QImage PaintProgramIcon(int size);
