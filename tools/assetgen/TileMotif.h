#pragma once
#include <QPainter>
#include <QRectF>

// The product's emblem, shared by the program icon and the About picture: a small evening
// landscape cut into 2 x 2 tiles on a dark plate, the last tile lifted out of its place as if
// the player were moving it.
void PaintTileEmblem(QPainter& p, const QRectF& square);
