#include "Picture.h"
#include "TestPictures.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace TestPictures;

namespace {

QImage Canvas(int width, int height)
{
    QImage canvas(width, height, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    return canvas;
}

bool LoadBytes(Picture& picture, const QByteArray& bytes)
{
    return picture.LoadFromBuffer(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                  std::uint32_t(bytes.size()));
}

// A BMP header that claims width x height at 24 bits, followed by a few bytes of pixels.
QByteArray BmpClaiming(qint32 width, qint32 height)
{
    QByteArray bytes(54 + 16, '\0');
    char* p = bytes.data();
    p[0] = 'B';
    p[1] = 'M';
    qToLittleEndian<quint32>(quint32(bytes.size()), p + 2);
    qToLittleEndian<quint32>(54, p + 10);
    qToLittleEndian<quint32>(40, p + 14);
    qToLittleEndian<qint32>(width, p + 18);
    qToLittleEndian<qint32>(height, p + 22);
    qToLittleEndian<quint16>(1, p + 26);
    qToLittleEndian<quint16>(24, p + 28);
    return bytes;
}

} // namespace

TEST(PictureTest, EmptyPictureHasNoSizeAndDrawsNothing)
{
    Picture picture;
    EXPECT_TRUE(picture.IsEmpty());
    EXPECT_EQ(picture.GetWidth(), 0);
    EXPECT_EQ(picture.GetHeight(), 0);

    QImage canvas = Canvas(10, 10);
    const QImage before = canvas;
    QPainter painter(&canvas);
    EXPECT_FALSE(picture.Draw(&painter, 0, 0, 10, 10, 0, 0, 100, 100));
    painter.end();
    EXPECT_EQ(canvas, before);
}

TEST(PictureTest, DecodesEachFormatFromBytesWithSizeInHimetric)
{
    const QImage source = FourColour(40, 30);
    for (const char* format : {"BMP", "JPEG", "GIF"}) {
        SCOPED_TRACE(format);
        Picture picture;
        ASSERT_TRUE(LoadBytes(picture, Encode(source, format)));
        // 40 px = 1058.33 -> 1058, 30 px = 793.75 -> 794 hundredths of a millimetre.
        EXPECT_EQ(picture.GetWidth(), 1058);
        EXPECT_EQ(picture.GetHeight(), 794);
        EXPECT_EQ(Picture::HimetricToPixels(picture.GetWidth()), 40);
        EXPECT_EQ(Picture::HimetricToPixels(picture.GetHeight()), 30);
        EXPECT_TRUE(Near(picture.Image().pixelColor(5, 5), Qt::red));
        EXPECT_TRUE(Near(picture.Image().pixelColor(35, 25), Qt::yellow));
    }
}

TEST(PictureTest, FileContentDecidesNotItsName)
{
    QTemporaryDir dir;
    const QString misnamed = dir.filePath("really-a-bitmap.jpg");
    ASSERT_TRUE(WriteFile(misnamed, Encode(FourColour(8, 6), "BMP")));
    Picture picture;
    EXPECT_TRUE(picture.LoadFromFile(misnamed));
    EXPECT_EQ(Picture::HimetricToPixels(picture.GetWidth()), 8);

    // Formats the game does not offer are refused even when Qt could read them.
    const QString png = dir.filePath("picture.bmp");
    ASSERT_TRUE(WriteFile(png, Encode(FourColour(8, 6), "PNG")));
    EXPECT_FALSE(picture.LoadFromFile(png));
}

TEST(PictureTest, FailedLoadsLeaveThePictureEmpty)
{
    QTemporaryDir dir;
    const QString good = dir.filePath("good.bmp");
    ASSERT_TRUE(WriteFile(good, Encode(FourColour(8, 6), "BMP")));
    const QString empty = dir.filePath("empty.bmp");
    ASSERT_TRUE(WriteFile(empty, QByteArray()));
    const QString text = dir.filePath("text.gif");
    ASSERT_TRUE(WriteFile(text, "GIF? no, just some words"));
    const QByteArray truncated = Encode(FourColour(8, 6), "JPEG").left(20);

    const std::vector<std::pair<const char*, std::function<bool(Picture&)>>> failures = {
        {"missing file", [&](Picture& p) { return p.LoadFromFile(dir.filePath("missing.bmp")); }},
        {"empty file", [&](Picture& p) { return p.LoadFromFile(empty); }},
        {"a folder", [&](Picture& p) { return p.LoadFromFile(dir.path()); }},
        {"text with a picture's name", [&](Picture& p) { return p.LoadFromFile(text); }},
        {"truncated bytes", [&](Picture& p) { return LoadBytes(p, truncated); }},
        {"no bytes", [&](Picture& p) { return p.LoadFromBuffer(nullptr, 100); }},
        {"zero size", [&](Picture& p) { return p.LoadFromBuffer(reinterpret_cast<const unsigned char*>("BM"), 0); }},
        {"missing resource", [&](Picture& p) { return p.LoadFromResource("BMP", "NO_SUCH_PICTURE"); }},
    };
    for (const auto& [what, load] : failures) {
        SCOPED_TRACE(what);
        Picture picture;
        ASSERT_TRUE(picture.LoadFromFile(good));
        EXPECT_FALSE(load(picture));
        EXPECT_TRUE(picture.IsEmpty());
        EXPECT_EQ(picture.GetWidth(), 0);
    }
}

TEST(PictureTest, HeadersClaimingGiganticSizesAreRefused)
{
    Picture picture;
    EXPECT_FALSE(LoadBytes(picture, BmpClaiming(100000, 100000)));
    EXPECT_FALSE(LoadBytes(picture, BmpClaiming(2147483647, -2147483647)));
    EXPECT_FALSE(LoadBytes(picture, BmpClaiming(0, 10)));

    QByteArray gif = Encode(FourColour(4, 4), "GIF");
    for (int at : {6, 8, 0x19 + 5, 0x19 + 7})  // screen and image width/height
        qToLittleEndian<quint16>(0xffff, gif.data() + at);
    EXPECT_FALSE(LoadBytes(picture, gif));
    EXPECT_TRUE(picture.IsEmpty());
}

TEST(PictureTest, MulDivRoundsToNearestAndReportsOverflow)
{
    EXPECT_EQ(Picture::MulDiv(350, 2540, 96), 9260);   // 9260.4
    EXPECT_EQ(Picture::MulDiv(351, 2540, 96), 9287);   // 9286.9
    EXPECT_EQ(Picture::MulDiv(3, 1, 2), 2);            // halves go away from zero
    EXPECT_EQ(Picture::MulDiv(-3, 1, 2), -2);
    EXPECT_EQ(Picture::MulDiv(3, 1, -2), -2);
    EXPECT_EQ(Picture::MulDiv(2000000000, 2000000000, 2000000000), 2000000000);  // 64-bit product
    EXPECT_EQ(Picture::MulDiv(2000000000, 2, 1), -1);
    EXPECT_EQ(Picture::MulDiv(5, 5, 0), -1);
}

TEST(PictureTest, DrawsTheTopLeftTileFromTheTop)
{
    Picture picture;
    ASSERT_TRUE(LoadBytes(picture, Encode(FourColour(40, 30), "BMP")));
    const int halfW = picture.GetWidth() / 2, halfH = picture.GetHeight() / 2;

    QImage canvas = Canvas(120, 100);
    QPainter painter(&canvas);
    ASSERT_TRUE(picture.Draw(&painter, 10, 10, 50, 40, 0, 0, halfW, halfH));
    ASSERT_TRUE(picture.Draw(&painter, 60, 50, 50, 40, halfW, halfH, halfW, halfH));
    painter.end();

    EXPECT_TRUE(Near(canvas.pixelColor(12, 12), Qt::red, 10));
    EXPECT_TRUE(Near(canvas.pixelColor(57, 47), Qt::red, 10));
    EXPECT_TRUE(Near(canvas.pixelColor(62, 52), Qt::yellow, 10));
    EXPECT_TRUE(Near(canvas.pixelColor(107, 87), Qt::yellow, 10));
    EXPECT_EQ(canvas.pixelColor(5, 5), QColor(Qt::white));      // outside the destination
    EXPECT_EQ(canvas.pixelColor(115, 95), QColor(Qt::white));
}

TEST(PictureTest, StretchesTheWholePictureUprightAndUnmirrored)
{
    Picture picture;
    ASSERT_TRUE(LoadBytes(picture, Encode(FourColour(40, 30), "GIF")));
    QImage canvas = Canvas(60, 200);
    QPainter painter(&canvas);
    ASSERT_TRUE(picture.Draw(&painter, 0, 0, 60, 200, 0, 0, picture.GetWidth(), picture.GetHeight()));
    painter.end();

    EXPECT_TRUE(Near(canvas.pixelColor(5, 5), Qt::red, 10));
    EXPECT_TRUE(Near(canvas.pixelColor(55, 5), Qt::green, 10));
    EXPECT_TRUE(Near(canvas.pixelColor(5, 195), Qt::blue, 10));
    EXPECT_TRUE(Near(canvas.pixelColor(55, 195), Qt::yellow, 10));
    // The colour boundaries follow the stretch: halfway across and halfway down.
    EXPECT_TRUE(Near(canvas.pixelColor(27, 90), Qt::red, 10));
    EXPECT_TRUE(Near(canvas.pixelColor(33, 110), Qt::yellow, 10));
}

TEST(PictureTest, BuiltInPictureIs350By351AtNinetySixPerInch)
{
    Picture picture;
    ASSERT_TRUE(picture.LoadFromResource("BMP", "IDR_BMP2"));
    EXPECT_EQ(Picture::HimetricToPixels(picture.GetWidth()), 350);
    EXPECT_EQ(Picture::HimetricToPixels(picture.GetHeight()), 351);
}
