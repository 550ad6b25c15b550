#include "TestPictures.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QtEndian>
#include <cstdlib>

namespace TestPictures {

QImage FourColour(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    const int halfW = width / 2, halfH = height / 2;
    painter.fillRect(0, 0, halfW, halfH, Qt::red);
    painter.fillRect(halfW, 0, width - halfW, halfH, Qt::green);
    painter.fillRect(0, halfH, halfW, height - halfH, Qt::blue);
    painter.fillRect(halfW, halfH, width - halfW, height - halfH, Qt::yellow);
    return image;
}

namespace {

void AppendLittleEndian16(QByteArray& out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

// Packs 3-bit LZW codes, least significant bit first. A clear code before every pixel keeps the
// code size at 3 bits, so no compression table is needed.
QByteArray GifPixelCodes(const QImage& image, const QList<QRgb>& palette)
{
    QByteArray bits;
    unsigned accumulator = 0;
    int count = 0;
    auto put = [&](unsigned code) {
        accumulator |= code << count;
        count += 3;
        while (count >= 8) {
            bits.append(char(accumulator & 0xff));
            accumulator >>= 8;
            count -= 8;
        }
    };
    const unsigned clear = 4, end = 5;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            put(clear);
            put(unsigned(palette.indexOf(image.pixel(x, y) | 0xff000000u)));
        }
    put(end);
    if (count > 0)
        bits.append(char(accumulator & 0xff));
    return bits;
}

QByteArray EncodeGif(const QImage& image)
{
    QList<QRgb> palette;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, y) | 0xff000000u;
            if (!palette.contains(colour))
                palette.append(colour);
        }
    if (palette.size() > 4)
        return {};
    while (palette.size() < 4)
        palette.append(0xff000000u);

    QByteArray out("GIF89a");
    AppendLittleEndian16(out, image.width());
    AppendLittleEndian16(out, image.height());
    out.append(char(0x91));  // global table of 4 colours
    out.append(char(0)).append(char(0));
    for (QRgb colour : palette)
        out.append(char(qRed(colour))).append(char(qGreen(colour))).append(char(qBlue(colour)));
    out.append(char(0x2c));
    AppendLittleEndian16(out, 0);
    AppendLittleEndian16(out, 0);
    AppendLittleEndian16(out, image.width());
    AppendLittleEndian16(out, image.height());
    out.append(char(0));
    out.append(char(2));  // minimum code size
    const QByteArray codes = GifPixelCodes(image, palette);
    for (int at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        out.append(char(block.size())).append(block);
    }
    out.append(char(0)).append(char(0x3b));
    return out;
}

} // namespace

QByteArray EncodeRle8(const QImage& image)
{
    QList<QRgb> palette;
    QByteArray runs;
    for (int y = image.height() - 1; y >= 0; --y) {  // bottom row first
        for (int x = 0; x < image.width();) {
            const QRgb colour = image.pixel(x, y);
            if (!palette.contains(colour))
                palette.append(colour);
            int run = 1;
            while (x + run < image.width() && run < 255 && image.pixel(x + run, y) == colour)
                ++run;
            runs.append(char(run)).append(char(palette.indexOf(colour)));
            x += run;
        }
        runs.append(char(0)).append(char(0));  // end of line
    }
    runs.append(char(0)).append(char(1));  // end of picture
    QByteArray header(54, '\0');
    char* p = header.data();
    const int pixelsAt = 54 + 4 * int(palette.size());
    p[0] = 'B';
    p[1] = 'M';
    qToLittleEndian<quint32>(quint32(pixelsAt + runs.size()), p + 2);
    qToLittleEndian<quint32>(quint32(pixelsAt), p + 10);
    qToLittleEndian<quint32>(40, p + 14);
    qToLittleEndian<qint32>(image.width(), p + 18);
    qToLittleEndian<qint32>(image.height(), p + 22);
    qToLittleEndian<quint16>(1, p + 26);
    qToLittleEndian<quint16>(8, p + 28);
    qToLittleEndian<quint32>(1, p + 30);  // 8-bit run lengths
    qToLittleEndian<quint32>(quint32(runs.size()), p + 34);
    qToLittleEndian<quint32>(quint32(palette.size()), p + 46);
    for (QRgb colour : palette)
        header.append(char(qBlue(colour))).append(char(qGreen(colour))).append(char(qRed(colour))).append(char(0));
    return header + runs;
}

QByteArray Encode(const QImage& image, const char* format)
{
    if (qstricmp(format, "GIF") == 0)
        return EncodeGif(image);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 95);
    return bytes;
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool Near(QColor actual, QColor expected, int tolerance)
{
    return std::abs(actual.red() - expected.red()) <= tolerance
        && std::abs(actual.green() - expected.green()) <= tolerance
        && std::abs(actual.blue() - expected.blue()) <= tolerance;
}

} // namespace TestPictures
