#include "TileMotif.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// The landscape in a unit square, drawn big and simple so it still reads at 16 pixels.
void PaintEmblemScene(QPainter& p, double size)
{
    auto at = [size](double x, double y) { return QPointF(x * size, y * size); };
    QLinearGradient sky(0, 0, 0, size * 0.75);
    sky.setColorAt(0.0, QColor(40, 56, 140));
    sky.setColorAt(0.55, QColor(232, 120, 120));
    sky.setColorAt(1.0, QColor(255, 210, 130));
    p.fillRect(QRectF(0, 0, size, size), sky);

    p.setPen(Qt::NoPen);
    QRadialGradient sun(at(0.66, 0.46), size * 0.16);
    sun.setColorAt(0.0, QColor(255, 255, 225));
    sun.setColorAt(0.7, QColor(255, 220, 90));
    sun.setColorAt(1.0, QColor(255, 170, 60));
    p.setBrush(sun);
    p.drawEllipse(at(0.66, 0.46), size * 0.14, size * 0.14);

    QPainterPath mountain;
    mountain.moveTo(at(-0.05, 0.78));
    mountain.lineTo(at(0.32, 0.26));
    mountain.lineTo(at(0.52, 0.52));
    mountain.lineTo(at(0.62, 0.42));
    mountain.lineTo(at(0.9, 0.8));
    mountain.closeSubpath();
    QLinearGradient rock(0, size * 0.26, 0, size * 0.8);
    rock.setColorAt(0.0, QColor(140, 120, 190));
    rock.setColorAt(1.0, QColor(80, 70, 140));
    p.setBrush(rock);
    p.drawPath(mountain);
    QPainterPath snow;
    snow.moveTo(at(0.32, 0.26));
    snow.lineTo(at(0.41, 0.38));
    snow.lineTo(at(0.35, 0.35));
    snow.lineTo(at(0.31, 0.39));
    snow.lineTo(at(0.27, 0.34));
    snow.lineTo(at(0.235, 0.38));
    snow.closeSubpath();
    p.setBrush(QColor(250, 246, 255));
    p.drawPath(snow);

    QPainterPath hills;
    hills.moveTo(at(0, 0.72));
    hills.quadTo(at(0.45, 0.6), at(1.0, 0.7));
    hills.lineTo(at(1, 1));
    hills.lineTo(at(0, 1));
    hills.closeSubpath();
    QLinearGradient grass(0, size * 0.6, 0, size);
    grass.setColorAt(0.0, QColor(120, 190, 70));
    grass.setColorAt(1.0, QColor(40, 120, 50));
    p.setBrush(grass);
    p.drawPath(hills);
}

QPainterPath RoundedSquare(const QRectF& r, double radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// One tile: its part of the scene, a thin light rim on top and a dark outline, so the tiles
// stay apart even when the icon is tiny.
void PaintTile(QPainter& p, const QImage& scene, const QRectF& target, const QRectF& source, double radius)
{
    const QPainterPath shape = RoundedSquare(target, radius);
    p.save();
    p.setClipPath(shape);
    p.drawImage(target, scene, source);
    QLinearGradient rim(target.topLeft(), target.bottomRight());
    rim.setColorAt(0.0, QColor(255, 255, 255, 90));
    rim.setColorAt(0.5, QColor(255, 255, 255, 0));
    p.fillRect(target, rim);
    p.restore();
    p.setPen(QPen(QColor(20, 24, 48, 200), std::max(1.0, target.width() * 0.025)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
}

} // namespace

void PaintTileEmblem(QPainter& p, const QRectF& square)
{
    const double size = square.width();
    const double margin = size * 0.07;
    const double gap = size * 0.035;
    const QRectF plate = square.adjusted(margin, margin, -margin, -margin);
    const double tile = (plate.width() - 3 * gap) / 2;
    const double radius = size * 0.045;

    QImage scene(int(tile * 2 + gap), int(tile * 2 + gap), QImage::Format_ARGB32_Premultiplied);
    {
        QPainter sp(&scene);
        sp.setRenderHint(QPainter::Antialiasing);
        PaintEmblemScene(sp, scene.width());
    }

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    // The dark plate the tiles lie in; where the lifted tile was, it shows as a hole.
    QLinearGradient plateShade(plate.topLeft(), plate.bottomRight());
    plateShade.setColorAt(0.0, QColor(44, 52, 96));
    plateShade.setColorAt(1.0, QColor(18, 20, 44));
    p.setPen(QPen(QColor(10, 12, 30), std::max(1.0, size * 0.02)));
    p.setBrush(plateShade);
    p.drawPath(RoundedSquare(plate, radius * 1.6));

    const double step = tile + gap;
    for (int i = 0; i < 3; ++i) {
        const int column = i % 2, row = i / 2;
        PaintTile(p, scene, QRectF(plate.left() + gap + column * step, plate.top() + gap + row * step, tile, tile),
                  QRectF(column * step, row * step, tile, tile), radius);
    }

    // The lifted tile: raised, turned a little and casting a soft shadow on the plate.
    const QRectF home(plate.left() + gap + step, plate.top() + gap + step, tile, tile);
    const QPointF lift(size * 0.05, size * 0.045);
    p.translate(home.center() + lift);
    p.rotate(-9);
    const QRectF centred(-tile / 2, -tile / 2, tile, tile);
    p.setPen(Qt::NoPen);
    for (int i = 4; i >= 1; --i) {
        const double spread = size * 0.008 * i;
        p.setBrush(QColor(0, 0, 0, 28));
        p.drawPath(RoundedSquare(centred.translated(size * 0.02, size * 0.03).adjusted(-spread, -spread, spread, spread),
                                 radius + spread));
    }
    PaintTile(p, scene, centred, QRectF(step, step, tile, tile), radius);
    p.restore();
}
