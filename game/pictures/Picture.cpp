#include "Picture.h"

#include "ResourceInit.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QRectF>
#include <cstdlib>
#include <limits>

namespace {

// Decoded pictures larger than this are refused before any pixel is allocated, whatever the
// header claims. Qt's own allocation limit stays in force as a second guard.
constexpr int MaxDecodedMegabytes = 256;

bool IsAcceptedFormat(const QByteArray& format)
{
    return format == "bmp" || format == "jpeg" || format == "jpg" || format == "gif";
}

// The image in a format that draws onto 32-bit targets without conversion.
QImage ToDrawableFormat(const QImage& image)
{
    const QImage::Format format = image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                           : QImage::Format_RGB32;
    return image.format() == format ? image : image.convertToFormat(format);
}

QImage Decode(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(MaxDecodedMegabytes);
    if (!IsAcceptedFormat(reader.format()))
        return {};
    const QSize size = reader.size();
    if (size.isValid()) {
        const qint64 bytesNeeded = qint64(size.width()) * size.height() * 4;
        if (size.isEmpty() || bytesNeeded > qint64(MaxDecodedMegabytes) * 1024 * 1024)
            return {};
    }
    QImage image = reader.read();
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return {};
    return ToDrawableFormat(image);
}

} // namespace

bool Picture::LoadFromFile(const QString& path)
{
    Unload();
    // Only regular files (compiled-in resources count): opening a pipe or a device named like a
    // picture could block forever.
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        return false;
    image_ = Decode(bytes);
    return !image_.isNull();
}

bool Picture::LoadFromResource(const QString& type, const QString& name)
{
    InitTiloraResources();
    return LoadFromFile(QStringLiteral(":/%1/%2").arg(type, name));
}

bool Picture::LoadFromBuffer(const unsigned char* bytes, std::uint32_t size)
{
    Unload();
    if (bytes == nullptr || size == 0 || size > std::uint32_t(std::numeric_limits<int>::max()))
        return false;
    image_ = Decode(QByteArray(reinterpret_cast<const char*>(bytes), int(size)));
    return !image_.isNull();
}

void Picture::Unload()
{
    image_ = QImage();
}

int Picture::GetWidth() const
{
    return image_.isNull() ? 0 : PixelsToHimetric(image_.width());
}

int Picture::GetHeight() const
{
    return image_.isNull() ? 0 : PixelsToHimetric(image_.height());
}

bool Picture::Draw(QPainter* target, int x, int y, int cx, int cy,
                   int xSrc, int ySrc, int cxSrc, int cySrc) const
{
    if (target == nullptr || image_.isNull())
        return false;
    if (cx <= 0 || cy <= 0 || cxSrc <= 0 || cySrc <= 0)
        return true;  // nothing to draw, as the platform renderer would draw nothing
    // HIMETRIC to pixels by the picture's own extents, so the whole width maps to every pixel.
    const double toPixelsX = double(image_.width()) / GetWidth();
    const double toPixelsY = double(image_.height()) / GetHeight();
    const QRectF source(xSrc * toPixelsX, ySrc * toPixelsY, cxSrc * toPixelsX, cySrc * toPixelsY);
    const bool wasSmooth = target->testRenderHint(QPainter::SmoothPixmapTransform);
    target->setRenderHint(QPainter::SmoothPixmapTransform, true);
    target->drawImage(QRectF(x, y, cx, cy), image_, source);
    target->setRenderHint(QPainter::SmoothPixmapTransform, wasSmooth);
    return true;
}

int Picture::MulDiv(int value, int numerator, int denominator)
{
    // 64-bit product, rounded half away from zero; -1 when the result does not fit, like the
    // classic routine of that name.
    if (denominator == 0)
        return -1;
    const long long product = static_cast<long long>(value) * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    const unsigned long long magnitude = static_cast<unsigned long long>(std::llabs(product));
    const unsigned long long divisor = static_cast<unsigned long long>(std::llabs(static_cast<long long>(denominator)));
    const unsigned long long rounded = (magnitude + divisor / 2) / divisor;
    if (rounded > static_cast<unsigned long long>(std::numeric_limits<int>::max()))
        return -1;
    return negative ? -static_cast<int>(rounded) : static_cast<int>(rounded);
}
