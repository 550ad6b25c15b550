#pragma once

#include <QImage>
#include <QRgb>
#include <QSize>
#include <QtGlobal>

class QIODevice;

// Turns the bytes of a picture file of one of the picture kinds into opaque pixels, read from the
// device as the decoder asks for them, at no more than the size the picture will be drawn at.
namespace PictureDecoder {

// Files, archive members and decoded pictures larger than this are refused.
constexpr qint64 MaxPictureBytes = qint64(256) * 1024 * 1024;

// What shows through a picture's transparent parts: the black the board is laid on.
constexpr QRgb Background = 0xff000000;

// The picture's natural size and its pixels (RGB32; an animation's first frame). The image is
// null when the bytes are refused: no picture kind the game offers, a size beyond the limit
// (judged from the header where it tells), or pixel data that ends early.
struct Decoded {
    QSize Natural;
    QImage Image;
};

// largestDrawn: the largest size the picture will be drawn at, in pixels; invalid for no bound.
// A larger picture is decoded down to the smallest image still covering it on both sides: a
// JPEG by the decoder's own power-of-two scaling, anything else at full size and scaled once.
Decoded Decode(QIODevice& device, QSize largestDrawn);

// The smallest JPEG scaling denominator (1, 2, 4 or 8) whose image still covers `needed`.
int JpegScaleDenominator(QSize natural, QSize needed);

// True when an uncompressed BMP's rows end before the header says they do. Other files, and
// BMPs the check cannot judge (compressed ones), are not taken as short.
bool IsShortBmp(QIODevice& device);

} // namespace PictureDecoder
