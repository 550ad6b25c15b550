#include "PictureDecoder.h"

#include "JpegRowDecoder.h"
#include "PictureKinds.h"

#include <QByteArray>
#include <QIODevice>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <optional>

namespace PictureDecoder {

namespace {

constexpr int MaxDecodedMegabytes = int(MaxPictureBytes / (1024 * 1024));

bool IsJpeg(const QByteArray& format)
{
    return format == "jpeg" || format == "jpg";
}

// Each side needs no more pixels than it has, nor than it will be drawn at.
QSize Needed(QSize natural, QSize largestDrawn)
{
    if (!largestDrawn.isValid())
        return natural;
    return natural.boundedTo(largestDrawn);
}

// One factor for both sides, the larger of the two needed, so neither side falls short.
QSize ScaledOnce(QSize natural, QSize needed)
{
    const double factor = std::max(double(needed.width()) / natural.width(),
                                   double(needed.height()) / natural.height());
    if (factor >= 1.0)
        return natural;
    return QSize(int(std::ceil(natural.width() * factor)), int(std::ceil(natural.height() * factor)))
        .boundedTo(natural);
}

// Decoders write into an image of the size and format they produce when they are given one, so
// rows a short file never supplies keep this fill instead of whatever the memory held before.
QImage FilledCanvas(QSize size, QImage::Format format)
{
    if (!size.isValid() || format == QImage::Format_Invalid)
        return {};
    QImage canvas(size, format);
    if (!canvas.isNull())
        canvas.fill(0);
    return canvas;
}

// The image opaque, in the format that draws onto 32-bit targets as a plain copy: transparent
// parts laid over the board's background, so the picture looks the same wherever it is drawn.
QImage Opaque(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    QImage opaque(image.size(), QImage::Format_RGB32);
    if (opaque.isNull())
        return {};
    opaque.fill(Background);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, image);
    return opaque;
}

// The JPEG decoder's own power-of-two fraction, for files the row-by-row path leaves to Qt.
QSize JpegFraction(QImageReader& reader, QSize header, QSize decodedSize)
{
    const int denominator = JpegScaleDenominator(header, decodedSize);
    if (denominator == 1)
        return header;
    const QSize fraction(header.width() / denominator, header.height() / denominator);
    reader.setScaledSize(fraction);
    return fraction;
}

Decoded DecodeWithReader(QIODevice& device, QSize largestDrawn, const DrawnSizeRule& drawnAt)
{
    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(MaxDecodedMegabytes);
    const QByteArray format = reader.format();
    if (!IsPictureFormat(format))
        return {};
    const QSize header = reader.size();
    if (header.isValid() && !WithinDecodedLimit(header))
        return {};
    // A size the JPEG decoder reaches by itself: asking for another would cost a second rescale.
    const QSize read = IsJpeg(format) && header.isValid()
        ? JpegFraction(reader, header, DecodedSize(header, largestDrawn, drawnAt))
        : header;
    QImage image = FilledCanvas(read, reader.imageFormat());
    // A failed read may still hand back part of a picture: only a whole one is taken.
    if (!reader.read(&image) || image.isNull() || image.width() <= 0 || image.height() <= 0)
        return {};
    // Decoded whole, what came out is the natural size.
    const QSize natural = read == header || !header.isValid() ? image.size() : header;
    if (!WithinDecodedLimit(natural))
        return {};
    const bool keepFraction = IsJpeg(format) && !drawnAt;
    const QSize wanted = DecodedSize(natural, largestDrawn, drawnAt);
    if (!keepFraction && image.size() != wanted && wanted.isValid())
        image = image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return {natural, Opaque(image)};
}

} // namespace

bool WithinDecodedLimit(QSize size)
{
    return !size.isEmpty() && qint64(size.width()) * size.height() * 4 <= MaxPictureBytes;
}

QSize DecodedSize(QSize natural, QSize largestDrawn, const DrawnSizeRule& drawnAt)
{
    if (drawnAt) {
        const QSize drawn = drawnAt(natural);
        if (!drawn.isEmpty())
            return natural.boundedTo(drawn);
    }
    return ScaledOnce(natural, Needed(natural, largestDrawn));
}

int JpegScaleDenominator(QSize natural, QSize needed)
{
    for (int denominator : {8, 4, 2}) {
        if (natural.width() / denominator >= needed.width() && natural.height() / denominator >= needed.height())
            return denominator;
    }
    return 1;
}

bool IsShortBmp(QIODevice& device)
{
    const QByteArray head = device.peek(34);
    if (head.size() < 26 || !head.startsWith("BM"))
        return false;
    const char* p = head.constData();
    const quint32 pixelsAt = qFromLittleEndian<quint32>(p + 10);
    const quint32 headerSize = qFromLittleEndian<quint32>(p + 14);
    qint64 width = 0, height = 0, bits = 0;
    quint32 compression = 0;
    if (headerSize == 12) {  // the old 12-byte header: 16-bit sizes, never compressed
        width = qFromLittleEndian<quint16>(p + 18);
        height = qFromLittleEndian<quint16>(p + 20);
        bits = qFromLittleEndian<quint16>(p + 24);
    } else if (head.size() >= 34) {
        width = qFromLittleEndian<qint32>(p + 18);
        height = std::abs(qint64(qFromLittleEndian<qint32>(p + 22)));  // negative: top-down rows
        bits = qFromLittleEndian<quint16>(p + 28);
        compression = qFromLittleEndian<quint32>(p + 30);
    }
    constexpr quint32 Uncompressed = 0, BitFields = 3, AlphaBitFields = 6;
    if (compression != Uncompressed && compression != BitFields && compression != AlphaBitFields)
        return false;
    if (width <= 0 || bits <= 0)
        return false;  // the decoder refuses these itself
    const qint64 rowBytes = (width * bits + 31) / 32 * 4;
    const qint64 pixelsStart = std::max<qint64>(pixelsAt, 14 + qint64(headerSize));
    // In floating point: a lying header can ask for more than 64 bits hold.
    return double(device.size()) < double(pixelsStart) + double(rowBytes) * double(height);
}

Decoded Decode(QIODevice& device, QSize largestDrawn, const DrawnSizeRule& drawnAt)
{
    if (IsShortBmp(device))
        return {};
    if (!device.isSequential()) {
        const qint64 start = device.pos();
        const auto decodedSize = [&](QSize natural) { return DecodedSize(natural, largestDrawn, drawnAt); };
        if (std::optional<JpegRowDecoder::Result> jpeg = JpegRowDecoder::Decode(device, decodedSize))
            return {jpeg->Natural, std::move(jpeg->Image)};
        if (!device.seek(start))
            return {};
    }
    return DecodeWithReader(device, largestDrawn, drawnAt);
}

} // namespace PictureDecoder
