#include "ProgramIcon.h"

#include "TileMotif.h"

QImage PaintProgramIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    PaintTileEmblem(p, QRectF(0, 0, size, size));
    p.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}
