#include "Picture.h"

#include "ResourceInit.h"

#include "PictureDecoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QRectF>
#include <QScreen>
#include <atomic>
#include <cstdlib>
#include <limits>

namespace {

// Every screen's size in device pixels, the widest and the tallest; no bound without screens.
QSize LargestScreenSize()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        return {};
    QSize largest;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QSize pixels = screen->geometry().size() * screen->devicePixelRatio();
        largest = largest.isValid() ? largest.expandedTo(pixels) : pixels;
    }
    return largest;
}

} // namespace

QSize Picture::LargestDrawnSize() const
{
    return largestDrawn_.isValid() ? largestDrawn_ : LargestScreenSize();
}

bool Picture::Load(QIODevice& device)
{
    PictureDecoder::Decoded decoded = PictureDecoder::Decode(device, LargestDrawnSize(), drawnAt_);
    if (decoded.Image.isNull())
        return false;
    static std::atomic<quint64> loads {0};
    image_ = std::move(decoded.Image);
    serial_ = ++loads;
    natural_ = decoded.Natural;
    return true;
}

bool Picture::LoadFromFile(const QString& path)
{
    Unload();
    // Only regular files (compiled-in resources count): opening a pipe or a device named like a
    // picture could block forever. The size is judged before anything is read.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() <= 0 || info.size() > PictureDecoder::MaxPictureBytes)
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && Load(file);
}

bool Picture::LoadFromResource(const QString& type, const QString& name)
{
    InitTiloraResources();
    return LoadFromFile(QStringLiteral(":/%1/%2").arg(type, name));
}

bool Picture::LoadFromBuffer(const unsigned char* bytes, std::uint32_t size)
{
    Unload();
    if (bytes == nullptr || size == 0 || size > PictureDecoder::MaxPictureBytes)
        return false;
    // Read in place: the caller's buffer outlives the call, so no copy of it is needed.
    const QByteArray view = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes), qsizetype(size));
    QBuffer buffer;
    buffer.setData(view);
    return buffer.open(QIODevice::ReadOnly) && Load(buffer);
}

void Picture::KeepSmallCopyOnceShared(QSize drawnSmall)
{
    if (image_.isNull() || image_.isDetached())
        return;
    const QSize small = PictureDecoder::DecodedSize(image_.size(), drawnSmall, {});
    if (small != image_.size())
        image_ = image_.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void Picture::Unload()
{
    image_ = QImage();
    serial_ = 0;
    natural_ = QSize();
}

int Picture::GetWidth() const
{
    return image_.isNull() ? 0 : PixelsToHimetric(natural_.width());
}

int Picture::GetHeight() const
{
    return image_.isNull() ? 0 : PixelsToHimetric(natural_.height());
}

bool Picture::Draw(QPainter* target, int x, int y, int cx, int cy,
                   int xSrc, int ySrc, int cxSrc, int cySrc) const
{
    if (target == nullptr || image_.isNull())
        return false;
    if (cx <= 0 || cy <= 0 || cxSrc <= 0 || cySrc <= 0)
        return true;  // nothing to draw, as the platform renderer would draw nothing
    // HIMETRIC to pixels of the decoded image by the picture's own extents, so the whole width
    // maps to every pixel however small the picture was decoded.
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
