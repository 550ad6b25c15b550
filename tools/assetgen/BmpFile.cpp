#include "BmpFile.h"

#include "FileOutput.h"

QByteArray EncodeBmp24(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const quint32 width = quint32(rgb.width());
    const quint32 height = quint32(rgb.height());
    const quint32 rowBytes = (width * 3 + 3) & ~3u;
    const quint32 pixelBytes = rowBytes * height;
    const quint32 headerBytes = 14 + 40;

    QByteArray out;
    out.reserve(int(headerBytes + pixelBytes));
    out.append("BM", 2);
    PutU32(out, headerBytes + pixelBytes);
    PutU32(out, 0);             // reserved
    PutU32(out, headerBytes);   // offset of the pixels
    PutU32(out, 40);            // info header size
    PutU32(out, width);
    PutU32(out, height);        // positive: rows stored bottom-up
    PutU16(out, 1);             // planes
    PutU16(out, 24);            // bits per pixel
    PutU32(out, 0);             // BI_RGB, uncompressed
    PutU32(out, pixelBytes);
    PutU32(out, 3780);          // 96 dots per inch, in pixels per metre
    PutU32(out, 3780);
    PutU32(out, 0);             // colours used
    PutU32(out, 0);             // important colours

    for (int y = int(height) - 1; y >= 0; --y) {
        const uchar* line = rgb.constScanLine(y);
        QByteArray row(int(rowBytes), '\0');
        for (quint32 x = 0; x < width; ++x) {
            row[int(x * 3 + 0)] = char(line[x * 3 + 2]); // blue
            row[int(x * 3 + 1)] = char(line[x * 3 + 1]); // green
            row[int(x * 3 + 2)] = char(line[x * 3 + 0]); // red
        }
        out.append(row);
    }
    return out;
}

bool WriteBmp24(const QImage& image, const QString& path)
{
    return WriteWholeFile(path, EncodeBmp24(image));
}
