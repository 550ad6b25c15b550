#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

// The game's bitmaps must be 24 bits per pixel whatever QImage would choose, so they are
// encoded here: a BITMAPFILEHEADER, a BITMAPINFOHEADER and bottom-up rows padded to 4 bytes.
QByteArray EncodeBmp24(const QImage& image);
bool WriteBmp24(const QImage& image, const QString& path);
