#include "SetupPicture.h"

#include "TileMotif.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {

constexpr int Width = 133;
constexpr int Height = 253;

void PaintGround(QPainter& p)
{
    QLinearGradient teal(0, 0, Width, Height);
    teal.setColorAt(0.0, QColor(0, 128, 128));
    teal.setColorAt(1.0, QColor(0, 84, 92));
    p.fillRect(QRect(0, 0, Width, Height), teal);
}

void PaintComputer(QPainter& p)
{
    // Monitor with a blue screen showing the emblem, on a desktop case.
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(214, 208, 196));
    p.drawRoundedRect(QRectF(18, 20, 98, 78), 5, 5);
    QLinearGradient screen(0, 28, 0, 88);
    screen.setColorAt(0, QColor(20, 40, 160));
    screen.setColorAt(1, QColor(0, 0, 60));
    p.setBrush(screen);
    p.drawRect(QRectF(26, 28, 82, 60));
    PaintTileEmblem(p, QRectF(50, 36, 34, 34));
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(190, 184, 172));
    p.drawRect(QRectF(52, 98, 30, 8));
    p.setBrush(QColor(214, 208, 196));
    p.drawRoundedRect(QRectF(10, 106, 114, 26), 3, 3);
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(70, 115, 40, 3));
    p.setBrush(QColor(0, 200, 0));
    p.drawEllipse(QRectF(20, 116, 5, 5));
}

void PaintSoftwareBox(QPainter& p)
{
    // A box standing at the left, seen slightly from the side.
    const QPolygonF front({QPointF(10, 146), QPointF(58, 146), QPointF(58, 232), QPointF(10, 232)});
    const QPolygonF side({QPointF(58, 146), QPointF(70, 140), QPointF(70, 226), QPointF(58, 232)});
    const QPolygonF top({QPointF(10, 146), QPointF(22, 140), QPointF(70, 140), QPointF(58, 146)});
    p.setPen(QPen(QColor(30, 30, 30), 1));
    QLinearGradient face(10, 146, 58, 232);
    face.setColorAt(0, QColor(250, 200, 40));
    face.setColorAt(1, QColor(220, 110, 20));
    p.setBrush(face);
    p.drawPolygon(front);
    p.setBrush(QColor(170, 80, 10));
    p.drawPolygon(side);
    p.setBrush(QColor(255, 225, 120));
    p.drawPolygon(top);
    PaintTileEmblem(p, QRectF(16, 160, 36, 36));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 40, 0));
    p.drawRect(QRectF(16, 206, 36, 4));
    p.drawRect(QRectF(16, 214, 26, 4));
}

void PaintDisc(QPainter& p, const QPointF& centre, double radius)
{
    QRadialGradient shine(centre, radius, centre + QPointF(-radius / 3, -radius / 3));
    shine.setColorAt(0.0, QColor(250, 250, 255));
    shine.setColorAt(0.5, QColor(190, 200, 230));
    shine.setColorAt(0.8, QColor(230, 190, 240));
    shine.setColorAt(1.0, QColor(170, 180, 210));
    p.setPen(QPen(QColor(80, 80, 100), 1));
    p.setBrush(shine);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(QColor(0, 110, 110));
    p.drawEllipse(centre, radius / 4, radius / 4);
}

void PaintFloppy(QPainter& p, const QPointF& at, const QColor& colour)
{
    p.save();
    p.translate(at);
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(colour);
    // The clipped top-right corner of a floppy disk.
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(30, 0), QPointF(34, 4), QPointF(34, 34), QPointF(0, 34)}));
    p.setBrush(QColor(190, 190, 200));
    p.drawRect(QRectF(8, 0, 18, 11));
    p.setBrush(colour.darker(160));
    p.drawRect(QRectF(20, 2, 4, 7));
    p.setBrush(QColor(245, 245, 235));
    p.drawRect(QRectF(5, 17, 24, 15));
    p.restore();
}

} // namespace

QImage PaintSetupPicture()
{
    QImage image(Width, Height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintGround(p);
    PaintComputer(p);
    PaintSoftwareBox(p);
    PaintFloppy(p, QPointF(82, 196), QColor(40, 40, 48));
    PaintFloppy(p, QPointF(92, 208), QColor(30, 60, 150));
    PaintDisc(p, QPointF(100, 168), 24);
    p.end();
    return image;
}

QImage PaintInstallerIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    // A box seen slightly from the side, the emblem on its face.
    p.setPen(QPen(QColor(30, 30, 30), 1.2));
    p.setBrush(QColor(240, 170, 30));
    p.drawPolygon(QPolygonF({QPointF(6, 14), QPointF(46, 14), QPointF(46, 60), QPointF(6, 60)}));
    p.setBrush(QColor(170, 90, 10));
    p.drawPolygon(QPolygonF({QPointF(46, 14), QPointF(58, 6), QPointF(58, 52), QPointF(46, 60)}));
    p.setBrush(QColor(255, 215, 110));
    p.drawPolygon(QPolygonF({QPointF(6, 14), QPointF(18, 6), QPointF(58, 6), QPointF(46, 14)}));
    PaintTileEmblem(p, QRectF(9, 18, 34, 34));
    p.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}
