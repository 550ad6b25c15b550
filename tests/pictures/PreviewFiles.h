#pragma once

#include "TestArchives.h"
#include "TestPictures.h"

#include <QColor>
#include <QImage>

// One-colour pictures, so that a test can tell from any pixel which picture is on show.
inline QByteArray SolidBmp(const QColor& colour)
{
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(colour);
    return TestPictures::Encode(image, "BMP");
}

// Passes for a JPEG by its first bytes, but does not decode.
inline QByteArray BrokenJpeg()
{
    QByteArray bytes("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10);
    bytes.append(200, '\x5A');
    return bytes;
}
