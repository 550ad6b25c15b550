#include "OffscreenSurface.h"

#include <QPaintDevice>
#include <algorithm>

namespace {

// The target's own pixel format when it is an image we can paint, so that the final copy is a
// plain block copy; otherwise opaque 32-bit, which copies onto 32-bit window stores unconverted.
QImage::Format SurfaceFormat(const QPaintDevice* device)
{
    if (device != nullptr && device->devType() == QInternal::Image) {
        const QImage::Format format = static_cast<const QImage*>(device)->format();
        if (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied)
            return format;
    }
    return QImage::Format_RGB32;
}

qreal PixelRatio(const QPaintDevice* device)
{
    return device != nullptr ? std::max<qreal>(1.0, device->devicePixelRatio()) : 1.0;
}

} // namespace

OffscreenSurface::OffscreenSurface(QPainter& target, const QRect& area)
    : target_(target), area_(area.normalized())
{
    const qreal ratio = PixelRatio(target_.device());
    // Never a null image, so that painting code always has an active painter.
    const QSize pixels = area_.isEmpty() ? QSize(1, 1) : (QSizeF(area_.size()) * ratio).toSize();
    image_ = QImage(pixels, SurfaceFormat(target_.device()));
    image_.setDevicePixelRatio(ratio);
    imageOrigin_ = area_.topLeft();
    Painter();
}

OffscreenSurface::OffscreenSurface(QPainter& target, const QRect& area, const QImage& drawn)
    : target_(target),
      area_(area.normalized() & QRect(QPoint(0, 0), drawn.deviceIndependentSize().toSize())),
      image_(drawn)
{
    if (image_.isNull())
        image_ = QImage(1, 1, QImage::Format_RGB32);
}

QPainter& OffscreenSurface::Painter()
{
    // Begun on first use: beginning detaches a shared image, which must then be copied.
    if (!painter_.isActive() && !ended_) {
        painter_.begin(&image_);
        painter_.translate(-imageOrigin_);
    }
    return painter_;
}

OffscreenSurface::~OffscreenSurface()
{
    End();
}

void OffscreenSurface::SetMargins(int left, int top, int right, int bottom)
{
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
}

void OffscreenSurface::End()
{
    if (ended_)
        return;
    ended_ = true;
    if (painter_.isActive())
        painter_.end();
    const int width = std::min(area_.width() - left_ - right_, area_.width());
    const int height = std::min(area_.height() - top_ - bottom_, area_.height());
    if (area_.isEmpty() || width <= 0 || height <= 0)
        return;
    const qreal ratio = image_.devicePixelRatio();
    const QPointF from = area_.topLeft() - imageOrigin_;
    const QRectF source(from * ratio, QSizeF(width, height) * ratio);
    target_.drawImage(QPointF(area_.left() + left_, area_.top() + top_), image_, source);
}
