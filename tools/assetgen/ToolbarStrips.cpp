#include "ToolbarStrips.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>

namespace {

constexpr int Size = 32;
constexpr int Count = 8;

// Colours for one kind of button face. The dark set keeps the same hues but lifts the
// outlines and fills so every shape still stands out against a dark face.
struct Palette {
    QColor face;    // the face the pictures are blended against at their edges
    QColor ink;     // outlines and lines
    QColor paper;
    QColor paperShade;
    QColor folder;
    QColor folderShade;
    QColor sky;
    QColor hill;
    QColor sun;
    QColor red;
    QColor blue;
    QColor green;
    QColor yellow;
    QColor arrow;
};

Palette PaletteFor(ButtonFace face)
{
    if (face == ButtonFace::Light)
        return {QColor(236, 236, 236), QColor(44, 52, 70),   QColor(255, 255, 255), QColor(214, 222, 234),
                QColor(250, 200, 70),  QColor(214, 150, 40), QColor(110, 170, 235), QColor(70, 160, 70),
                QColor(255, 200, 40),  QColor(220, 60, 60),  QColor(50, 110, 210),  QColor(60, 160, 80),
                QColor(245, 190, 30),  QColor(30, 100, 200)};
    return {QColor(58, 58, 62),    QColor(14, 16, 24),    QColor(250, 252, 255), QColor(200, 210, 226),
            QColor(255, 214, 96),  QColor(226, 168, 60),  QColor(140, 196, 255), QColor(100, 200, 100),
            QColor(255, 220, 80),  QColor(255, 100, 100), QColor(110, 170, 255), QColor(110, 210, 130),
            QColor(255, 214, 70),  QColor(120, 190, 255)};
}

// Light from the top left: every filled shape gets a soft gradient of its colour.
QLinearGradient Lit(const QRectF& r, const QColor& colour)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0.0, colour.lighter(125));
    g.setColorAt(1.0, colour.darker(112));
    return g;
}

QPen InkPen(const Palette& c, double width = 1.0)
{
    return QPen(c.ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void PaintMiniLandscape(QPainter& p, const QRectF& r, const Palette& c)
{
    p.save();
    p.setClipRect(r);
    p.fillRect(r, Lit(r, c.sky));
    p.setPen(Qt::NoPen);
    p.setBrush(c.sun);
    p.drawEllipse(QPointF(r.right() - r.width() * 0.28, r.top() + r.height() * 0.3), r.height() * 0.16,
                  r.height() * 0.16);
    QPainterPath hill;
    hill.moveTo(r.left(), r.bottom());
    hill.lineTo(r.left(), r.top() + r.height() * 0.7);
    hill.quadTo(r.left() + r.width() * 0.35, r.top() + r.height() * 0.3, r.left() + r.width() * 0.7,
                r.top() + r.height() * 0.68);
    hill.quadTo(r.right() - 2, r.top() + r.height() * 0.55, r.right(), r.top() + r.height() * 0.62);
    hill.lineTo(r.right(), r.bottom());
    hill.closeSubpath();
    p.setBrush(c.hill);
    p.drawPath(hill);
    p.restore();
}

void PaintStar(QPainter& p, QPointF centre, double outer, const QColor& colour, const Palette& c)
{
    QPainterPath star;
    for (int i = 0; i < 8; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 4;
        const double r = (i % 2 == 0) ? outer : outer * 0.38;
        const QPointF point = centre + QPointF(std::cos(angle) * r, std::sin(angle) * r);
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    p.setPen(QPen(c.ink, 0.8));
    p.setBrush(colour);
    p.drawPath(star);
}

void PaintTile(QPainter& p, const QRectF& r, const QColor& colour, const Palette& c)
{
    p.setPen(InkPen(c, 0.9));
    p.setBrush(Lit(r, colour));
    p.drawRoundedRect(r, 1.5, 1.5);
}

// New: a fresh sheet already cut into coloured tiles, with a spark of newness.
void PaintNew(QPainter& p, const Palette& c)
{
    QPainterPath sheet;
    sheet.moveTo(5.5, 3.5);
    sheet.lineTo(19.5, 3.5);
    sheet.lineTo(26.5, 10.5);
    sheet.lineTo(26.5, 29.5);
    sheet.lineTo(5.5, 29.5);
    sheet.closeSubpath();
    p.setPen(InkPen(c));
    p.setBrush(Lit(QRectF(5, 3, 22, 27), c.paper));
    p.drawPath(sheet);
    QPainterPath fold;
    fold.moveTo(19.5, 3.5);
    fold.lineTo(19.5, 10.5);
    fold.lineTo(26.5, 10.5);
    p.setBrush(c.paperShade);
    p.drawPath(fold);

    PaintTile(p, QRectF(8.5, 13.5, 7, 7), c.red, c);
    PaintTile(p, QRectF(16.5, 13.5, 7, 7), c.blue, c);
    PaintTile(p, QRectF(8.5, 21.5, 7, 6), c.green, c);
    PaintTile(p, QRectF(16.5, 21.5, 7, 6), c.yellow, c);
    PaintStar(p, QPointF(9, 8), 5.5, c.yellow, c);
}

// Open: a folder with a picture sliding out of it.
void PaintOpen(QPainter& p, const Palette& c)
{
    // Back of the folder with its tab.
    QPainterPath back;
    back.moveTo(2.5, 8.5);
    back.lineTo(10.5, 8.5);
    back.lineTo(13.5, 11.5);
    back.lineTo(26.5, 11.5);
    back.lineTo(26.5, 27.5);
    back.lineTo(2.5, 27.5);
    back.closeSubpath();
    p.setPen(InkPen(c));
    p.setBrush(Lit(QRectF(2, 8, 25, 20), c.folderShade));
    p.drawPath(back);

    // The picture, tilted, half out of the folder.
    p.save();
    p.translate(17, 13);
    p.rotate(-12);
    const QRectF photo(-9.5, -9.5, 19, 15);
    p.setPen(InkPen(c));
    p.setBrush(c.paper);
    p.drawRect(photo);
    PaintMiniLandscape(p, photo.adjusted(2, 2, -2, -2), c);
    p.restore();

    // Front flap, opened towards the viewer.
    QPainterPath front;
    front.moveTo(2.5, 27.5);
    front.lineTo(6.5, 16.5);
    front.lineTo(30.5, 16.5);
    front.lineTo(26.5, 27.5);
    front.closeSubpath();
    p.setPen(InkPen(c));
    p.setBrush(Lit(QRectF(2, 16, 29, 12), c.folder));
    p.drawPath(front);
}

// Draws an arrow along the path's end, in the direction it was heading.
void PaintArrowHead(QPainter& p, QPointF tip, double angleRadians, double size)
{
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip - QPointF(std::cos(angleRadians - 0.5), std::sin(angleRadians - 0.5)) * size);
    head.lineTo(tip - QPointF(std::cos(angleRadians + 0.5), std::sin(angleRadians + 0.5)) * size);
    head.closeSubpath();
    p.drawPath(head);
}

// Jumble: two arrows crossing over each other, the sign of a shuffle.
void PaintJumble(QPainter& p, const Palette& c)
{
    auto arrow = [&](QPointF from, QPointF c1, QPointF c2, QPointF to, const QColor& colour) {
        QPainterPath path;
        path.moveTo(from);
        path.cubicTo(c1, c2, to);
        const double angle = std::atan2(to.y() - c2.y(), to.x() - c2.x());
        const QPointF shaftEnd = to - QPointF(std::cos(angle), std::sin(angle)) * 4.0;
        QPainterPath shaft;
        shaft.moveTo(from);
        shaft.cubicTo(c1, c2, shaftEnd);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(c.ink, 5.0, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.drawPath(shaft);
        p.setPen(QPen(colour, 3.0, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.drawPath(shaft);
        p.setPen(QPen(c.ink, 1.0));
        p.setBrush(colour);
        PaintArrowHead(p, to + QPointF(std::cos(angle), std::sin(angle)) * 1.5, angle, 8.5);
    };
    arrow(QPointF(2, 25), QPointF(14, 25), QPointF(15, 8), QPointF(29, 8), c.arrow);
    arrow(QPointF(2, 8), QPointF(14, 8), QPointF(15, 25), QPointF(29, 25), c.red);
}

// Show solution: the whole picture in a frame, with an eye looking at it.
void PaintShowSolution(QPainter& p, const Palette& c)
{
    const QRectF frame(2.5, 3.5, 25, 20);
    p.setPen(InkPen(c));
    p.setBrush(Lit(frame, QColor(170, 110, 60)));
    p.drawRect(frame);
    const QRectF picture = frame.adjusted(3, 3, -3, -3);
    PaintMiniLandscape(p, picture, c);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.ink, 0.8));
    p.drawRect(picture);

    // The eye, bottom right.
    const QPointF centre(22, 24);
    QPainterPath eye;
    eye.moveTo(centre + QPointF(-9, 0));
    eye.quadTo(centre + QPointF(0, -9), centre + QPointF(9, 0));
    eye.quadTo(centre + QPointF(0, 9), centre + QPointF(-9, 0));
    p.setPen(InkPen(c, 1.2));
    p.setBrush(c.paper);
    p.drawPath(eye);
    QRadialGradient iris(centre - QPointF(1, 1), 4);
    iris.setColorAt(0.0, c.blue.lighter(140));
    iris.setColorAt(1.0, c.blue.darker(130));
    p.setPen(QPen(c.ink, 0.8));
    p.setBrush(iris);
    p.drawEllipse(centre, 3.8, 3.8);
    p.setPen(Qt::NoPen);
    p.setBrush(c.ink);
    p.drawEllipse(centre, 1.6, 1.6);
    p.setBrush(Qt::white);
    p.drawEllipse(centre + QPointF(-1.3, -1.3), 0.9, 0.9);
}

// Solve for me: a magic wand, sparkling at its white tip.
void PaintSolve(QPainter& p, const Palette& c)
{
    p.save();
    p.translate(12, 12);
    p.rotate(45);
    const QRectF stick(0, -2.8, 25, 5.6);
    p.setPen(InkPen(c));
    QLinearGradient wood(0, -2.8, 0, 2.8);
    wood.setColorAt(0.0, QColor(100, 100, 120));
    wood.setColorAt(0.5, QColor(34, 34, 44));
    wood.setColorAt(1.0, QColor(10, 10, 16));
    p.setBrush(wood);
    p.drawRoundedRect(stick, 2, 2);
    p.setBrush(c.paper);
    p.drawRoundedRect(QRectF(0, -2.8, 6.5, 5.6), 1.5, 1.5);
    p.restore();

    PaintStar(p, QPointF(9, 9), 7.5, c.yellow, c);
    PaintStar(p, QPointF(22, 6), 4.0, c.yellow.lighter(115), c);
    PaintStar(p, QPointF(6, 22), 4.0, c.yellow.lighter(115), c);
    p.setPen(Qt::NoPen);
    p.setBrush(c.blue);
    p.drawEllipse(QPointF(17, 3.5), 1.4, 1.4);
    p.setBrush(c.red);
    p.drawEllipse(QPointF(3.5, 16), 1.3, 1.3);
}

// Puzzle difficulty: a block of separate tiles, the puzzle's size.
void PaintDifficulty(QPainter& p, const Palette& c)
{
    const QColor colours[9] = {c.red, c.yellow, c.blue, c.green, c.red, c.yellow, c.blue, c.green, c.red};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            PaintTile(p, QRectF(3.5 + column * 9, 3.5 + row * 9, 7.5, 7.5), colours[row * 3 + column], c);
}

// Grid: the picture with the lines between its tiles drawn over it.
void PaintGrid(QPainter& p, const Palette& c)
{
    const QRectF picture(3.5, 3.5, 25, 25);
    PaintMiniLandscape(p, picture, c);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.ink, 1.6));
    for (int i = 1; i < 4; ++i) {
        const double offset = picture.left() + i * picture.width() / 4;
        p.drawLine(QPointF(offset, picture.top()), QPointF(offset, picture.bottom()));
        p.drawLine(QPointF(picture.left(), offset), QPointF(picture.right(), offset));
    }
    p.setPen(InkPen(c, 1.6));
    p.drawRect(picture);
}

// Sound: a loudspeaker with waves.
void PaintSound(QPainter& p, const Palette& c)
{
    QPainterPath speaker;
    speaker.moveTo(4.5, 12.5);
    speaker.lineTo(10.5, 12.5);
    speaker.lineTo(17.5, 5.5);
    speaker.lineTo(17.5, 26.5);
    speaker.lineTo(10.5, 19.5);
    speaker.lineTo(4.5, 19.5);
    speaker.closeSubpath();
    p.setPen(InkPen(c));
    p.setBrush(Lit(QRectF(4, 5, 14, 22), QColor(150, 156, 172)));
    p.drawPath(speaker);
    p.setPen(QPen(c.arrow, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const double r = 4.5 + i * 4.0;
        p.drawArc(QRectF(16 - r, 16 - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
    }
}

// Antialiased edges are blended into the face the strip is meant for, and whatever is mostly
// see-through becomes exactly the see-through grey, so the toolbar can cut it out cleanly.
QImage Flatten(const QImage& art, const QColor& face)
{
    QImage out(art.size(), QImage::Format_RGB32);
    const QRgb key = StripTransparentColour.rgb();
    for (int y = 0; y < art.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(art.constScanLine(y));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < art.width(); ++x) {
            const int alpha = qAlpha(in[x]);
            if (alpha < 110) {
                line[x] = key;
                continue;
            }
            // Premultiplied source over the face.
            const auto blend = [&](int src, int bg) { return std::min(255, src + bg * (255 - alpha) / 255); };
            QRgb pixel = qRgb(blend(qRed(in[x]), face.red()), blend(qGreen(in[x]), face.green()),
                              blend(qBlue(in[x]), face.blue()));
            if ((pixel | 0xff000000u) == key)
                pixel = qRgb(193, 193, 193); // opaque pixels never vanish by accident
            line[x] = pixel;
        }
    }
    return out;
}

} // namespace

QImage PaintToolbarStrip(ButtonFace face)
{
    const Palette c = PaletteFor(face);
    const std::function<void(QPainter&, const Palette&)> pictures[Count] = {
        PaintNew, PaintOpen, PaintJumble, PaintShowSolution, PaintSolve, PaintDifficulty, PaintGrid, PaintSound};

    QImage art(Size * Count, Size, QImage::Format_ARGB32_Premultiplied);
    art.fill(Qt::transparent);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < Count; ++i) {
        p.save();
        p.translate(i * Size, 0);
        p.setClipRect(0, 0, Size, Size);
        pictures[i](p, c);
        p.restore();
    }
    p.end();
    return Flatten(art, c.face);
}
