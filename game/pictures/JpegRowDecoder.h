#pragma once

#include <QImage>
#include <QSize>
#include <functional>
#include <optional>

class QIODevice;

// JPEG decoding for pictures drawn smaller than their own size: libjpeg scales by eighths of the
// natural size while it decodes (1/8 to 8/8, the least still covering the target), and each row
// it gives is averaged into the target as it comes. No image larger than the target is ever held.
namespace JpegRowDecoder {

struct Result {
    QSize Natural;
    QImage Image;  // RGB32, opaque, the target size
};

// targetFor: the size to decode a picture of the given natural size at. Empty when the bytes are
// not a JPEG this decoder takes on whole (so that the caller decodes them its own way, from the
// device's start, which this leaves unknown): any error or warning on the way (damaged or cut
// data), colours other than grey, RGB or YCbCr, a natural size beyond the decoding limit, or a
// target that is not smaller than the natural size.
std::optional<Result> Decode(QIODevice& device, const std::function<QSize(QSize natural)>& targetFor);

// The smallest M (1 to 8) for which the natural size scaled by M/8, rounded up, covers needed.
int CoveringEighths(QSize natural, QSize needed);

} // namespace JpegRowDecoder
