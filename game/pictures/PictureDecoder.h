#pragma once

#include <QImage>
#include <QRgb>
#include <QSize>
#include <QtGlobal>
#include <functional>

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

// The size a picture of the given natural size will be drawn at, when that is known before it is
// decoded (the board's, in device pixels); invalid for not known.
using DrawnSizeRule = std::function<QSize(QSize natural)>;

// Checked against the header's claim, before a single pixel is allocated.
bool WithinDecodedLimit(QSize size);

// The size a picture is decoded at. With a drawn size known, each side no larger than that;
// otherwise the smallest size of the picture's own shape still covering largestDrawn on both
// sides (invalid for no bound). Never larger than the natural size.
QSize DecodedSize(QSize natural, QSize largestDrawn, const DrawnSizeRule& drawnAt);

// A picture larger than its decoded size is decoded down to it: a JPEG row by row while libjpeg
// scales it by eighths, anything else at full size and scaled once. A JPEG that path does not
// take on whole (damaged, CMYK) goes to Qt's decoder at a power-of-two fraction, which is kept
// as it is without a drawn size, so a damaged file decodes exactly as it always has.
Decoded Decode(QIODevice& device, QSize largestDrawn, const DrawnSizeRule& drawnAt = {});

// The smallest JPEG scaling denominator (1, 2, 4 or 8) whose image still covers `needed`.
int JpegScaleDenominator(QSize natural, QSize needed);

// True when an uncompressed BMP's rows end before the header says they do. Other files, and
// BMPs the check cannot judge (compressed ones), are not taken as short.
bool IsShortBmp(QIODevice& device);

} // namespace PictureDecoder
