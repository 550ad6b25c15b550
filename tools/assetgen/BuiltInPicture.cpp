#include "BuiltInPicture.h"

#include "Random.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <vector>

namespace {

constexpr int Width = 350;
constexpr int Height = 351;
const QPointF SunCentre(262, 128);

void PaintSky(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, 185);
    sky.setColorAt(0.0, QColor(28, 36, 92));
    sky.setColorAt(0.35, QColor(70, 96, 178));
    sky.setColorAt(0.7, QColor(226, 148, 132));
    sky.setColorAt(1.0, QColor(255, 214, 150));
    p.fillRect(QRectF(0, 0, Width, 200), sky);

    // Warm glow around the sun: the right of the sky is warmer than the left, so tiles of
    // the same height still differ.
    QRadialGradient glow(SunCentre, 200);
    glow.setColorAt(0.0, QColor(255, 236, 170, 230));
    glow.setColorAt(0.25, QColor(255, 190, 120, 140));
    glow.setColorAt(1.0, QColor(255, 160, 120, 0));
    p.fillRect(QRectF(0, 0, Width, 200), glow);
}

void PaintStars(QPainter& p)
{
    Random random(7);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 38; ++i) {
        const double x = random.Uniform(0, 190);
        const double y = random.Uniform(0, 70);
        // Stars fade out towards the sunny side.
        const int alpha = int(std::max(0.0, 230 - x * 1.1 - y * 1.2) * random.Uniform(0.5, 1.0));
        const double r = random.Uniform(0.5, 1.3);
        p.setBrush(QColor(255, 255, 235, alpha));
        p.drawEllipse(QPointF(x, y), r, r);
    }
}

void PaintSun(QPainter& p)
{
    QRadialGradient halo(SunCentre, 60);
    halo.setColorAt(0.0, QColor(255, 250, 220, 200));
    halo.setColorAt(1.0, QColor(255, 220, 150, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(SunCentre, 60, 60);

    QRadialGradient disc(SunCentre - QPointF(6, 6), 30);
    disc.setColorAt(0.0, QColor(255, 255, 235));
    disc.setColorAt(0.6, QColor(255, 226, 120));
    disc.setColorAt(1.0, QColor(255, 170, 70));
    p.setBrush(disc);
    p.drawEllipse(SunCentre, 24, 24);
}

// A cloud of overlapping puffs, lit warmly from below where it faces the sun.
void PaintCloud(QPainter& p, QPointF centre, double scale, unsigned seed)
{
    Random random(seed);
    QPainterPath cloud;
    for (int i = 0; i < 7; ++i) {
        const double dx = random.Uniform(-38, 38) * scale;
        const double dy = random.Uniform(-8, 4) * scale;
        const double r = random.Uniform(11, 19) * scale * (1.0 - std::abs(dx) / (70 * scale));
        QPainterPath puff;
        puff.addEllipse(centre + QPointF(dx, dy), r * 1.3, r);
        cloud = cloud.united(puff);
    }
    QPainterPath base;
    base.addRoundedRect(QRectF(centre.x() - 40 * scale, centre.y() - 2 * scale, 80 * scale, 10 * scale),
                        5 * scale, 5 * scale);
    cloud = cloud.united(base);

    QLinearGradient shade(centre.x(), centre.y() - 25 * scale, centre.x(), centre.y() + 10 * scale);
    shade.setColorAt(0.0, QColor(255, 250, 246));
    shade.setColorAt(0.6, QColor(248, 214, 214));
    shade.setColorAt(1.0, QColor(236, 160, 150));
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    p.setBrush(shade);
    p.drawPath(cloud);
}

void PaintBalloon(QPainter& p)
{
    const QPointF top(128, 30);
    const double w = 54, h = 62;
    QPainterPath envelope;
    envelope.moveTo(top.x(), top.y() + h);
    envelope.cubicTo(top.x() - w * 0.95, top.y() + h * 0.55, top.x() - w * 0.6, top.y() - 4,
                     top.x(), top.y());
    envelope.cubicTo(top.x() + w * 0.6, top.y() - 4, top.x() + w * 0.95, top.y() + h * 0.55,
                     top.x(), top.y() + h);

    // Vertical stripes in bold colours, clipped to the envelope.
    const QColor stripes[] = {QColor(220, 50, 60), QColor(255, 200, 40), QColor(30, 150, 160),
                              QColor(255, 200, 40), QColor(220, 50, 60), QColor(255, 200, 40),
                              QColor(30, 150, 160)};
    p.save();
    p.setClipPath(envelope);
    const double stripe = w * 1.4 / 7;
    for (int i = 0; i < 7; ++i)
        p.fillRect(QRectF(top.x() - w * 0.7 + i * stripe, top.y() - 5, stripe + 0.5, h + 10), stripes[i]);
    QRadialGradient light(top + QPointF(-10, 18), w);
    light.setColorAt(0.0, QColor(255, 255, 255, 90));
    light.setColorAt(0.5, QColor(255, 255, 255, 0));
    light.setColorAt(1.0, QColor(0, 0, 40, 110));
    p.fillRect(QRectF(top.x() - w, top.y() - 5, 2 * w, h + 10), light);
    p.restore();
    p.setPen(QPen(QColor(90, 30, 40), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(envelope);

    // Ropes and basket.
    const QPointF basket(top.x(), top.y() + h + 12);
    p.setPen(QPen(QColor(70, 50, 40), 1));
    p.drawLine(QPointF(top.x() - 6, top.y() + h - 2), basket + QPointF(-5, 0));
    p.drawLine(QPointF(top.x() + 6, top.y() + h - 2), basket + QPointF(5, 0));
    p.setPen(QPen(QColor(70, 40, 20), 1));
    p.setBrush(QColor(150, 95, 45));
    p.drawRect(QRectF(basket.x() - 6, basket.y(), 12, 8));
}

void PaintBirds(QPainter& p)
{
    const QPointF birds[] = {{298, 48}, {314, 58}, {286, 62}, {322, 40}};
    p.setPen(QPen(QColor(50, 40, 70), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (const QPointF& b : birds) {
        QPainterPath wing;
        wing.moveTo(b + QPointF(-6, -2));
        wing.quadTo(b + QPointF(-3, -4), b);
        wing.quadTo(b + QPointF(3, -4), b + QPointF(6, -2));
        p.drawPath(wing);
    }
}

QPainterPath Ridge(const std::vector<QPointF>& peaks, double base)
{
    QPainterPath path;
    path.moveTo(0, base);
    for (const QPointF& peak : peaks)
        path.lineTo(peak);
    path.lineTo(Width, base);
    path.closeSubpath();
    return path;
}

void PaintMountains(QPainter& p)
{
    const std::vector<QPointF> far = {{0, 150}, {30, 128}, {62, 96}, {88, 120}, {110, 112},
                                      {150, 78}, {188, 124}, {214, 116}, {240, 140},
                                      {300, 104}, {330, 126}, {350, 118}};
    QLinearGradient farShade(0, 80, 0, 200);
    farShade.setColorAt(0.0, QColor(132, 118, 178));
    farShade.setColorAt(1.0, QColor(96, 92, 150));
    p.setPen(Qt::NoPen);
    p.setBrush(farShade);
    p.drawPath(Ridge(far, 210));

    // Snow on the three high peaks, with the sunlit side brighter.
    const QPointF snowPeaks[] = {{62, 96}, {150, 78}, {300, 104}};
    for (const QPointF& peak : snowPeaks) {
        QPainterPath snow;
        snow.moveTo(peak);
        snow.lineTo(peak + QPointF(-13, 14));
        snow.lineTo(peak + QPointF(-6, 11));
        snow.lineTo(peak + QPointF(-1, 17));
        snow.lineTo(peak + QPointF(5, 12));
        snow.lineTo(peak + QPointF(12, 16));
        snow.closeSubpath();
        p.setBrush(QColor(246, 240, 250));
        p.drawPath(snow);
        QPainterPath shadow;
        shadow.moveTo(peak);
        shadow.lineTo(peak + QPointF(-13, 14));
        shadow.lineTo(peak + QPointF(-6, 11));
        shadow.lineTo(peak + QPointF(-1, 17));
        shadow.closeSubpath();
        p.setBrush(QColor(196, 192, 226));
        p.drawPath(shadow);
    }

    const std::vector<QPointF> near = {{0, 176}, {40, 150}, {76, 166}, {118, 142}, {160, 170},
                                       {205, 152}, {250, 174}, {290, 158}, {330, 172}, {350, 164}};
    QLinearGradient nearShade(0, 140, 0, 210);
    nearShade.setColorAt(0.0, QColor(64, 98, 128));
    nearShade.setColorAt(1.0, QColor(46, 76, 100));
    p.setBrush(nearShade);
    p.drawPath(Ridge(near, 215));
}

void PaintConifer(QPainter& p, QPointF foot, double height, const QColor& colour)
{
    QPainterPath tree;
    tree.moveTo(foot.x(), foot.y() - height);
    tree.lineTo(foot.x() + height * 0.28, foot.y());
    tree.lineTo(foot.x() - height * 0.28, foot.y());
    tree.closeSubpath();
    p.setBrush(colour);
    p.drawPath(tree);
}

void PaintHills(QPainter& p)
{
    QPainterPath hills;
    hills.moveTo(0, 200);
    hills.cubicTo(80, 178, 150, 206, 220, 192);
    hills.cubicTo(270, 182, 320, 190, 350, 186);
    hills.lineTo(Width, Height);
    hills.lineTo(0, Height);
    hills.closeSubpath();
    QLinearGradient green(0, 180, Width, 240);
    green.setColorAt(0.0, QColor(58, 110, 60));
    green.setColorAt(1.0, QColor(104, 150, 64));
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawPath(hills);

    // A forest edge along the far shore, denser on the left.
    Random random(11);
    for (double x = 96; x < 250; x += random.Uniform(4, 11)) {
        const double base = 222 + random.Uniform(-3, 3);
        const int g = 70 + random.Below(40);
        PaintConifer(p, QPointF(x, base), random.Uniform(14, 26), QColor(24, g, 44));
    }
}

void PaintLake(QPainter& p)
{
    QPainterPath lake;
    lake.moveTo(70, 228);
    lake.cubicTo(140, 218, 260, 214, 350, 222);
    lake.lineTo(350, 262);
    lake.cubicTo(290, 272, 200, 276, 150, 268);
    lake.cubicTo(110, 262, 80, 246, 70, 228);
    QLinearGradient water(0, 214, 0, 276);
    water.setColorAt(0.0, QColor(246, 196, 150));
    water.setColorAt(0.4, QColor(150, 140, 190));
    water.setColorAt(1.0, QColor(84, 116, 170));
    p.setPen(Qt::NoPen);
    p.setBrush(water);
    p.drawPath(lake);

    // The sun's path on the water and a few ripples.
    p.save();
    p.setClipPath(lake);
    Random random(5);
    for (int i = 0; i < 14; ++i) {
        const double y = 222 + i * 3.6;
        const double half = 16 - i * 0.8 + random.Uniform(-3, 3);
        p.setPen(QPen(QColor(255, 240, 190, 220 - i * 12), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(SunCentre.x() - half, y), QPointF(SunCentre.x() + half, y));
    }
    for (int i = 0; i < 20; ++i) {
        const double x = random.Uniform(90, 340);
        const double y = random.Uniform(228, 270);
        p.setPen(QPen(QColor(255, 255, 255, 70), 1, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, y), QPointF(x + random.Uniform(6, 16), y));
    }
    p.restore();
}

void PaintMeadow(QPainter& p)
{
    QPainterPath meadow;
    meadow.moveTo(0, 236);
    meadow.cubicTo(60, 240, 120, 262, 170, 270);
    meadow.cubicTo(230, 280, 300, 270, 350, 262);
    meadow.lineTo(Width, Height);
    meadow.lineTo(0, Height);
    meadow.closeSubpath();
    QLinearGradient grass(0, 236, 0, Height);
    grass.setColorAt(0.0, QColor(122, 176, 70));
    grass.setColorAt(1.0, QColor(58, 120, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(grass);
    p.drawPath(meadow);

    // A sandy path winding from the front down to the shore.
    QPainterPath path;
    path.moveTo(150, Height);
    path.cubicTo(160, 320, 230, 310, 205, 288);
    path.cubicTo(192, 278, 186, 274, 196, 270);
    path.lineTo(204, 271);
    path.cubicTo(200, 276, 212, 282, 226, 292);
    path.cubicTo(258, 318, 206, 328, 214, Height);
    path.closeSubpath();
    QLinearGradient sand(0, 270, 0, Height);
    sand.setColorAt(0.0, QColor(230, 206, 150));
    sand.setColorAt(1.0, QColor(196, 152, 96));
    p.setBrush(sand);
    p.drawPath(path);
}

void PaintCottage(QPainter& p)
{
    const QRectF walls(268, 262, 56, 38);
    p.setPen(QPen(QColor(90, 60, 40), 1));
    p.setBrush(QColor(240, 226, 196));
    p.drawRect(walls);
    // Shaded side wall for depth.
    p.setBrush(QColor(206, 186, 150));
    p.drawPolygon(QPolygonF({walls.topRight(), walls.topRight() + QPointF(14, -6),
                             walls.bottomRight() + QPointF(14, -6), walls.bottomRight()}));

    QPainterPath roof;
    roof.moveTo(walls.left() - 7, walls.top() + 1);
    roof.lineTo(walls.center().x(), walls.top() - 26);
    roof.lineTo(walls.right() + 7, walls.top() + 1);
    roof.closeSubpath();
    QLinearGradient tiles(0, walls.top() - 26, 0, walls.top());
    tiles.setColorAt(0.0, QColor(220, 70, 50));
    tiles.setColorAt(1.0, QColor(160, 40, 34));
    p.setBrush(tiles);
    p.drawPath(roof);
    p.drawPolygon(QPolygonF({QPointF(walls.center().x(), walls.top() - 26),
                             QPointF(walls.center().x() + 14, walls.top() - 32),
                             QPointF(walls.right() + 21, walls.top() - 5),
                             QPointF(walls.right() + 7, walls.top() + 1)}));

    // Chimney with a curl of smoke.
    p.setBrush(QColor(130, 80, 60));
    p.drawRect(QRectF(walls.left() + 10, walls.top() - 24, 7, 14));
    Random random(3);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        const double r = 3 + i * 1.2;
        p.setBrush(QColor(235, 235, 240, 150 - i * 20));
        p.drawEllipse(QPointF(walls.left() + 13 + std::sin(i * 0.9) * 5 + i * 2, walls.top() - 30 - i * 7), r,
                      r * 0.8);
    }

    // Door and two warmly lit windows.
    p.setPen(QPen(QColor(90, 60, 40), 1));
    p.setBrush(QColor(110, 60, 34));
    p.drawRect(QRectF(walls.left() + 24, walls.top() + 16, 10, 22));
    p.setBrush(QColor(255, 214, 100));
    for (double x : {walls.left() + 7, walls.left() + 41}) {
        p.drawRect(QRectF(x, walls.top() + 10, 9, 9));
        p.drawLine(QPointF(x + 4.5, walls.top() + 10), QPointF(x + 4.5, walls.top() + 19));
        p.drawLine(QPointF(x, walls.top() + 14.5), QPointF(x + 9, walls.top() + 14.5));
    }
}

void PaintFence(QPainter& p)
{
    p.setPen(QPen(QColor(110, 76, 50), 1));
    p.setBrush(QColor(196, 150, 100));
    for (int i = 0; i < 6; ++i) {
        const double x = 244 + i * 19;
        const double y = 312 + i * 1.5;
        p.drawRect(QRectF(x, y, 5, 24));
    }
    p.drawRect(QRectF(240, 318, 110, 4));
    p.drawRect(QRectF(240, 328, 110, 4));
}

void PaintTree(QPainter& p)
{
    // Trunk with a fork, then the crown as clusters of leaves, darker at the back.
    QPainterPath trunk;
    trunk.moveTo(44, Height);
    trunk.cubicTo(54, 320, 50, 280, 56, 240);
    trunk.lineTo(40, 210);
    trunk.lineTo(48, 208);
    trunk.lineTo(62, 232);
    trunk.lineTo(78, 204);
    trunk.lineTo(84, 208);
    trunk.lineTo(68, 246);
    trunk.cubicTo(66, 290, 70, 320, 80, Height);
    trunk.closeSubpath();
    QLinearGradient bark(40, 0, 80, 0);
    bark.setColorAt(0.0, QColor(70, 44, 28));
    bark.setColorAt(1.0, QColor(132, 88, 52));
    p.setPen(Qt::NoPen);
    p.setBrush(bark);
    p.drawPath(trunk);

    Random random(21);
    const QColor shades[] = {QColor(30, 80, 36), QColor(44, 110, 44), QColor(70, 140, 52),
                             QColor(120, 176, 70)};
    for (int layer = 0; layer < 4; ++layer) {
        for (int i = 0; i < 14; ++i) {
            const double angle = random.Uniform(0, 6.283);
            const double reach = std::sqrt(random.Uniform(0, 1)) * (38 - layer * 6);
            const QPointF c(64 + std::cos(angle) * reach * 1.3 + layer * 3,
                            186 + std::sin(angle) * reach * 0.85 - layer * 3);
            const double r = random.Uniform(12, 19) - layer * 2;
            p.setBrush(shades[layer]);
            p.drawEllipse(c, r, r);
        }
    }
    // Red apples make the crown's tiles easy to tell apart.
    p.setBrush(QColor(214, 40, 40));
    for (int i = 0; i < 12; ++i) {
        const double angle = random.Uniform(0, 6.283);
        const double reach = random.Uniform(8, 36);
        p.drawEllipse(QPointF(68 + std::cos(angle) * reach * 1.3, 184 + std::sin(angle) * reach * 0.85), 2.6, 2.6);
    }
}

// A bed of tall tulips between the tree and the path, so the front of the meadow is not bare.
void PaintTulips(QPainter& p)
{
    Random random(29);
    const QColor blooms[] = {QColor(230, 40, 70), QColor(255, 190, 40), QColor(200, 80, 200), QColor(255, 120, 40)};
    for (int i = 0; i < 11; ++i) {
        const double x = 92 + i * 5.5 + random.Uniform(-2, 2);
        const double foot = Height - random.Uniform(2, 14);
        const double top = foot - random.Uniform(22, 38);
        const double sway = random.Uniform(-4, 4);
        p.setPen(QPen(QColor(40, 110, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath stem;
        stem.moveTo(x, foot);
        stem.quadTo(x, (foot + top) / 2, x + sway, top);
        p.drawPath(stem);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 140, 50));
        p.drawEllipse(QPointF(x + 2.5, foot - 7), 2.2, 6);

        const QColor colour = blooms[random.Below(4)];
        QPainterPath cup;
        const QPointF t(x + sway, top);
        cup.moveTo(t + QPointF(-4, -7));
        cup.lineTo(t + QPointF(-2, -4));
        cup.lineTo(t + QPointF(0, -8));
        cup.lineTo(t + QPointF(2, -4));
        cup.lineTo(t + QPointF(4, -7));
        cup.quadTo(t + QPointF(5, 1), t);
        cup.quadTo(t + QPointF(-5, 1), t + QPointF(-4, -7));
        QLinearGradient shade(t.x() - 4, 0, t.x() + 4, 0);
        shade.setColorAt(0.0, colour.lighter(130));
        shade.setColorAt(1.0, colour.darker(120));
        p.setBrush(shade);
        p.drawPath(cup);
    }
}

void PaintFlowers(QPainter& p)
{
    Random random(17);
    const QColor petals[] = {QColor(240, 70, 90), QColor(255, 220, 60), QColor(250, 250, 250),
                             QColor(170, 100, 220), QColor(255, 150, 60)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 190; ++i) {
        const double x = random.Uniform(0, Width);
        const double y = random.Uniform(276, Height);
        // Keep the path and the cottage clear.
        if (x > 140 && x < 240 && y > 290)
            continue;
        if (x > 236 && y < 340 && y > 300)
            continue;
        if (x > 260 && y < 306) // the cottage
            continue;
        const double size = 0.8 + (y - 276) / 40.0;
        p.setBrush(petals[random.Below(5)]);
        p.drawEllipse(QPointF(x, y), size, size);
        p.setBrush(QColor(255, 240, 170));
        p.drawEllipse(QPointF(x, y), size * 0.35, size * 0.35);
    }
    // Grass blades along the bottom edge.
    for (int i = 0; i < 90; ++i) {
        const double x = random.Uniform(0, Width);
        const double h = random.Uniform(6, 16);
        p.setPen(QPen(QColor(40, 100 + random.Below(50), 30), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, Height), QPointF(x + random.Uniform(-4, 4), Height - h));
    }
}

} // namespace

QImage PaintBuiltInPicture()
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintSky(p);
    PaintStars(p);
    PaintSun(p);
    PaintCloud(p, QPointF(62, 72), 1.0, 1);
    PaintCloud(p, QPointF(212, 44), 0.9, 2);
    PaintCloud(p, QPointF(326, 86), 0.55, 4);
    PaintBalloon(p);
    PaintBirds(p);
    PaintMountains(p);
    PaintHills(p);
    PaintLake(p);
    PaintMeadow(p);
    PaintCottage(p);
    PaintFence(p);
    PaintTree(p);
    PaintFlowers(p);
    PaintTulips(p);
    return image;
}
