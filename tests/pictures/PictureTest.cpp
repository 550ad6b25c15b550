#include "Picture.h"
#include "TestPictures.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <zlib.h>

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

// A small picture of the format whose header then claims 100,000 x 100,000 pixels, or as many as
// the format can.
QByteArray ClaimingHugeSize(const char* format)
{
    constexpr quint32 Huge = 100000;
    QByteArray bytes = Encode(FourColour(8, 8), format);
    char* p = bytes.data();
    if (qstrcmp(format, "PNG") == 0) {  // IHDR, then its checksum
        qToBigEndian<quint32>(Huge, p + 16);
        qToBigEndian<quint32>(Huge, p + 20);
        qToBigEndian<quint32>(quint32(crc32(0, reinterpret_cast<const Bytef*>(p + 12), 17)), p + 29);
    } else if (qstrcmp(format, "TIFF") == 0) {  // ImageWidth and ImageLength as 32-bit values
        char* entry = p + qFromLittleEndian<quint32>(p + 4) + 2;
        for (int i = qFromLittleEndian<quint16>(entry - 2); i > 0; --i, entry += 12) {
            const quint16 tag = qFromLittleEndian<quint16>(entry);
            if (tag == 256 || tag == 257) {
                qToLittleEndian<quint16>(4, entry + 2);
                qToLittleEndian<quint32>(Huge, entry + 8);
            }
        }
    } else {  // WebP: its 14-bit sides can claim no more than 16,383 x 16,383
        qToLittleEndian<quint16>(0x3fff, p + 26);
        qToLittleEndian<quint16>(0x3fff, p + 28);
    }
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
    for (const char* format : {"BMP", "JPEG", "GIF", "PNG", "WEBP", "TIFF"}) {
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
    const QString ppm = dir.filePath("picture.png");
    ASSERT_TRUE(WriteFile(ppm, Encode(FourColour(8, 6), "PPM")));
    EXPECT_FALSE(picture.LoadFromFile(ppm));
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

    for (const char* format : {"PNG", "WEBP", "TIFF"}) {
        SCOPED_TRACE(format);
        EXPECT_FALSE(LoadBytes(picture, ClaimingHugeSize(format)));
    }
}

TEST(PictureTest, TransparencyDepthPalettesAndAnimationsDrawAsTheyShould)
{
    QImage halfRed(8, 8, QImage::Format_ARGB32);
    halfRed.fill(qRgba(255, 0, 0, 128));
    QImage deep(8, 8, QImage::Format_RGBA64);
    deep.fill(QColor::fromRgba64(0x1010, 0xc8c8, 0x1e1e));
    QFile animated(TILORA_PICTURE_CORPUS "/animated.webp");  // a red frame, then a blue one
    ASSERT_TRUE(animated.open(QIODevice::ReadOnly));

    const std::vector<std::tuple<const char*, QByteArray, QColor>> cases = {
        {"PNG with alpha, over black", Encode(halfRed, "PNG"), QColor(128, 0, 0)},
        {"WebP with alpha, over black", Encode(halfRed, "WEBP"), QColor(128, 0, 0)},
        {"16-bit PNG", Encode(deep, "PNG"), QColor(16, 200, 30)},
        {"16-bit TIFF", Encode(deep, "TIFF"), QColor(16, 200, 30)},
        {"palette PNG", Encode(FourColour(8, 8).convertToFormat(QImage::Format_Indexed8), "PNG"), QColor(Qt::red)},
        {"palette TIFF", Encode(FourColour(8, 8).convertToFormat(QImage::Format_Indexed8), "TIFF"), QColor(Qt::red)},
        {"animated WebP: its first frame", animated.readAll(), QColor(Qt::red)},
    };
    for (const auto& [what, bytes, expected] : cases) {
        SCOPED_TRACE(what);
        Picture picture;
        ASSERT_TRUE(LoadBytes(picture, bytes));
        EXPECT_FALSE(picture.Image().hasAlphaChannel());
        EXPECT_TRUE(Near(picture.Image().pixelColor(1, 1), expected, 4));
    }
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

TEST(PictureTest, DecodesNoLargerThanItWillBeDrawnAndKeepsTheNaturalSize)
{
    const QImage large = FourColour(1600, 1200);
    struct Case {
        const char* what;
        QByteArray bytes;
        QSize drawn;
        QSize decoded;
        QSize natural = {1600, 1200};
        QSize exactly = {};  // the drawn size told before decoding, when valid
    };
    const std::vector<Case> cases = {
        {"JPEG at a quarter, its decoder's own step", Encode(large, "JPEG"), {400, 300}, {400, 300}},
        {"JPEG averaged down: a quarter would fall short", Encode(large, "JPEG"), {401, 300}, {401, 301}},
        {"JPEG smaller than the bound", Encode(large, "JPEG"), {2000, 2000}, {1600, 1200}},
        {"BMP scaled once, the wider need wins", Encode(large, "BMP"), {400, 200}, {400, 300}},
        {"GIF scaled once, the taller need wins", Encode(FourColour(160, 120), "GIF"), {40, 90}, {120, 90},
         {160, 120}},
        {"narrow picture taller than the bound", Encode(FourColour(300, 2000), "BMP"), {1600, 1000}, {300, 2000},
         {300, 2000}},
        {"JPEG at the board's squashed size", Encode(large, "JPEG"), {}, {1448, 848}, {1600, 1200}, {1448, 848}},
        {"BMP at the board's size", Encode(large, "BMP"), {}, {700, 650}, {1600, 1200}, {700, 650}},
        {"JPEG widened by the board keeps its width", Encode(large, "JPEG"), {}, {1600, 600}, {1600, 1200},
         {2000, 600}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Picture picture;
        picture.SetLargestDrawnSize(c.drawn);
        if (c.exactly.isValid())
            picture.SetDrawnSize([&c](QSize) { return c.exactly; });
        ASSERT_TRUE(LoadBytes(picture, c.bytes));
        EXPECT_EQ(picture.Image().size(), c.decoded);
        EXPECT_EQ(picture.GetWidth(), Picture::PixelsToHimetric(c.natural.width()));
        EXPECT_EQ(picture.GetHeight(), Picture::PixelsToHimetric(c.natural.height()));
        // The bottom-right quarter, in HIMETRIC of the natural size, is still the yellow one.
        QImage canvas = Canvas(20, 20);
        QPainter painter(&canvas);
        ASSERT_TRUE(picture.Draw(&painter, 0, 0, 20, 20, picture.GetWidth() / 2, picture.GetHeight() / 2,
                                 picture.GetWidth() / 2, picture.GetHeight() / 2));
        painter.end();
        EXPECT_TRUE(Near(canvas.pixelColor(1, 1), Qt::yellow)) << canvas.pixelColor(1, 1).name().toStdString();
        EXPECT_TRUE(Near(canvas.pixelColor(18, 18), Qt::yellow));
    }
}

// A JPEG drawn smaller than its size is averaged down row by row as it decodes; it must look as
// Qt's own decoder scaled smoothly would, whatever the JPEG's kind. A cut-off one is left to Qt's
// decoder, which shows what the file has, and comes out at the drawn size all the same.
TEST(PictureTest, JpegsDecodedRowByRowLookAsSmoothlyScaledOnes)
{
    QImage gradient(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < gradient.height(); ++y)
        for (int x = 0; x < gradient.width(); ++x)
            gradient.setPixel(x, y, qRgb(x * 255 / 639, y * 255 / 479, (x + y) * 255 / 1118));
    const QByteArray baseline = Encode(gradient, "JPEG");
    QByteArray progressive;
    {
        QBuffer out(&progressive);
        out.open(QIODevice::WriteOnly);
        QImageWriter writer(&out, "JPEG");
        writer.setProgressiveScanWrite(true);
        ASSERT_TRUE(writer.write(gradient));
    }
    const struct {
        const char* what;
        QByteArray bytes;
        bool whole;
    } cases[] = {
        {"colour", baseline, true},
        {"greyscale", Encode(gradient.convertToFormat(QImage::Format_Grayscale8), "JPEG"), true},
        {"progressive", progressive, true},
        {"cut short", baseline.left(baseline.size() / 2), false},
    };
    const QSize board(301, 157);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Picture picture;
        picture.SetDrawnSize([board](QSize) { return board; });
        ASSERT_TRUE(LoadBytes(picture, c.bytes));
        ASSERT_EQ(picture.Image().size(), board);
        EXPECT_EQ(picture.Image().format(), QImage::Format_RGB32);
        if (!c.whole)
            continue;
        const QImage expected = QImage::fromData(c.bytes).convertToFormat(QImage::Format_RGB32)
                                    .scaled(board, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        for (int y = 1; y < board.height() - 1; ++y)
            for (int x = 1; x < board.width() - 1; ++x)
                ASSERT_TRUE(Near(picture.Image().pixelColor(x, y), expected.pixelColor(x, y), 6)) << x << "," << y;
    }
}

TEST(PictureTest, FilesAndBuffersBeyondTheLimitAreRefusedUnread)
{
    // Sparse files: they take no disk, and reading them whole would take all the memory there is.
    QTemporaryDir dir;
    const QByteArray head = Encode(FourColour(8, 6), "BMP");
    for (const char* name : {"disk.jpg", "disk.bmp", "disk.gif"}) {
        for (qint64 size : {qint64(200) << 30, qint64(3) << 30, (qint64(256) << 20) + 1}) {
            SCOPED_TRACE(std::string(name) + " of " + std::to_string(size));
            const QString path = dir.filePath(name);
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            ASSERT_EQ(file.write(head), head.size());
            ASSERT_TRUE(file.resize(size));
            file.close();
            Picture picture;
            EXPECT_FALSE(picture.LoadFromFile(path));
            EXPECT_TRUE(picture.IsEmpty());
        }
    }
    // The buffer holds a whole picture, but claims more than the limit: never read past its end.
    Picture picture;
    EXPECT_FALSE(picture.LoadFromBuffer(reinterpret_cast<const unsigned char*>(head.constData()),
                                        (256u << 20) + 1));
}

namespace {

// Fills the memory the allocator is about to hand out again, so that any pixel a decoder leaves
// unwritten shows this byte: blocks the size of 8-bit and of 32-bit pixels of the picture.
class HeapFilledWith {
public:
    HeapFilledWith(std::size_t pixels, unsigned char byte)
    {
        std::vector<void*> blocks;
        for (std::size_t size : {pixels, pixels * 4}) {
            for (int i = 0; i < 64; ++i) {
                blocks.push_back(std::malloc(size));
                std::memset(blocks.back(), byte, size);
            }
        }
        fence_ = std::malloc(64);  // keeps the freed blocks off the top, where they would be trimmed
        for (void* block : blocks)
            std::free(block);
    }
    ~HeapFilledWith() { std::free(fence_); }

private:
    void* fence_;
};

QByteArray ProgressiveJpeg(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPEG");
    writer.setProgressiveScanWrite(true);
    writer.write(image);
    return bytes;
}

} // namespace

TEST(PictureTest, ShortFilesShowNothingTheFileDidNotSupply)
{
    QImage noise(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, qRgb(x * 4, y * 5, (x * y) & 0xff));
    // Every palette entry in use, so that a stray index shows as a colour of its own.
    QImage allColours(64, 48, QImage::Format_RGB32);
    for (int i = 0; i < 64 * 48; ++i)
        allColours.setPixel(i % 64, i / 64, qRgb(i & 0xff, 0xff - (i & 0xff), (i * 7) & 0xff));
    const QImage fewColours = FourColour(64, 48);
    const std::vector<std::pair<const char*, QByteArray>> files = {
        {"BMP", Encode(noise, "BMP")},
        {"run-length BMP", EncodeRle8(allColours)},
        {"GIF", Encode(fewColours, "GIF")},
        {"JPEG", Encode(noise, "JPEG")},
        {"progressive JPEG", ProgressiveJpeg(noise)},
        {"PNG", Encode(noise, "PNG")},
        {"WebP", Encode(noise, "WEBP")},
        {"TIFF", Encode(noise, "TIFF")},
    };
    const std::size_t pixels = std::size_t(noise.width()) * noise.height();
    for (const auto& [format, bytes] : files) {
        for (double kept : {0.3, 0.6, 0.9, 0.99}) {
            SCOPED_TRACE(std::string(format) + " cut at " + std::to_string(kept));
            const QByteArray cut = bytes.left(qsizetype(bytes.size() * kept));
            Picture first, second;
            bool loadedFirst, loadedSecond;
            {
                HeapFilledWith filled(pixels, 0x11);
                loadedFirst = LoadBytes(first, cut);
            }
            {
                HeapFilledWith filled(pixels, 0xee);
                loadedSecond = LoadBytes(second, cut);
            }
            EXPECT_EQ(loadedFirst, loadedSecond);
            EXPECT_EQ(first.Image(), second.Image());
            if (QByteArray(format) == "BMP") {
                EXPECT_FALSE(loadedFirst) << "rows the file does not hold";
            }
        }
    }
}
