#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <ostream>

// Pictures the tests make for themselves.
namespace TestPictures {

// Quadrants: red top-left, green top-right, blue bottom-left, yellow bottom-right.
QImage FourColour(int width, int height);
// The image encoded as a file of the given format ("BMP", "JPEG", "GIF"). Qt writes no GIF, so
// GIF files are made here from at most four colours.
QByteArray Encode(const QImage& image, const char* format);
// A BMP compressed with 8-bit run lengths, from at most 256 colours.
QByteArray EncodeRle8(const QImage& image);
bool WriteFile(const QString& path, const QByteArray& bytes);
// True when the two colours differ by at most tolerance in each channel (JPEG is lossy).
bool Near(QColor actual, QColor expected, int tolerance = 40);

} // namespace TestPictures

// Readable QString values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
