#include "AboutPicture.h"

#include "Random.h"
#include "TileMotif.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr int Width = 197;
constexpr int Height = 198;

void PaintBackground(QPainter& p)
{
    QLinearGradient night(0, 0, 0, Height);
    night.setColorAt(0.0, QColor(24, 30, 76));
    night.setColorAt(1.0, QColor(70, 40, 100));
    p.fillRect(QRect(0, 0, Width, Height), night);
    QRadialGradient glow(QPointF(Width / 2.0, 80), 110);
    glow.setColorAt(0.0, QColor(255, 190, 140, 90));
    glow.setColorAt(1.0, QColor(255, 190, 140, 0));
    p.fillRect(QRect(0, 0, Width, Height), glow);

    // Faint tiles drifting in the background.
    Random random(13);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 16; ++i) {
        p.save();
        p.translate(random.Uniform(0, Width), random.Uniform(0, Height));
        p.rotate(random.Uniform(-30, 30));
        const double side = random.Uniform(8, 20);
        p.setBrush(QColor(255, 255, 255, 14 + random.Below(16)));
        p.drawRoundedRect(QRectF(-side / 2, -side / 2, side, side), 2, 2);
        p.restore();
    }
}

void PaintName(QPainter& p)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(36);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    const QString name = QStringLiteral("Tilora");
    const QFontMetricsF metrics(font);
    const double x = (Width - metrics.horizontalAdvance(name)) / 2;
    const double baseline = 182;

    QPainterPath text;
    text.addText(QPointF(x, baseline), font, name);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawPath(text.translated(2, 2.5));
    QLinearGradient gold(0, baseline - 28, 0, baseline);
    gold.setColorAt(0.0, QColor(255, 246, 200));
    gold.setColorAt(0.55, QColor(255, 206, 90));
    gold.setColorAt(1.0, QColor(236, 140, 50));
    p.setPen(QPen(QColor(90, 40, 20), 1.2));
    p.setBrush(gold);
    p.drawPath(text);
}

} // namespace

QImage PaintAboutPicture()
{
    QImage image(Width, Height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintBackground(p);
    PaintTileEmblem(p, QRectF((Width - 132) / 2.0, 6, 132, 132));
    PaintName(p);
    return image;
}
