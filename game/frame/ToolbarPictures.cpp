#include "ToolbarPictures.h"

#include "ToolbarLayout.h"

namespace {
constexpr int DarkLimit = 179;
}

bool IsDarkButtonFace(const QColor& buttonFace)
{
    const QColor rgb = buttonFace.toRgb();
    return rgb.red() < DarkLimit && rgb.green() < DarkLimit && rgb.blue() < DarkLimit;
}

QString ToolbarStripPath(const QColor& buttonFace)
{
    return IsDarkButtonFace(buttonFace) ? QStringLiteral(":/BITMAP/133") : QStringLiteral(":/BITMAP/129");
}

QImage ToolbarPicture(const QImage& strip, int index)
{
    const int size = ToolbarPictureSize;
    if (index < 0 || strip.height() < size || strip.width() < (index + 1) * size)
        return {};
    QImage picture = strip.copy(index * size, 0, size, size).convertToFormat(QImage::Format_ARGB32);
    const QRgb seeThrough = ToolbarTransparentColour.rgb();
    for (int y = 0; y < size; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < size; ++x) {
            if ((line[x] | 0xff000000u) == seeThrough)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return picture;
}
