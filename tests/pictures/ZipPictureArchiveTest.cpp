#include "Picture.h"
#include "TestArchives.h"
#include "TestPictures.h"
#include "ZipPictureArchive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using TestArchives::Member;
using TestArchives::WriteZip;
using TestPictures::Encode;
using TestPictures::FourColour;

namespace {

QByteArray Bmp(int width = 8, int height = 6) { return Encode(FourColour(width, height), "BMP"); }
QByteArray Jpeg() { return Encode(FourColour(16, 16), "JPEG"); }
QByteArray Gif() { return Encode(FourColour(12, 10), "GIF"); }

// Pixels that do not compress, so that damage deep in the deflated data is far from its start.
QImage Noise(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    quint32 state = 12345;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            image.setPixel(x, y, 0xff000000u | (state >> 8));
        }
    return image;
}

QByteArray Padded(QByteArray bytes, int size = 80)
{
    bytes.append(QByteArray(size - bytes.size(), 'z'));
    return bytes;
}

QStringList PictureNames(ZipPictureArchive& archive)
{
    QStringList names;
    if (archive.GoToFirstPicture())
        do
            names << archive.GetCurrentName();
        while (archive.GoToNextPicture());
    return names;
}

class ZipPictureArchiveTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }
    QString Zip(const QString& name, const std::vector<Member>& members)
    {
        const QString path = Path(name);
        EXPECT_TRUE(WriteZip(path, members));
        return path;
    }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(ZipPictureArchiveTest, CountsOnlyMembersWithAPictureNameAndSignature)
{
    QByteArray jpegWithoutJfif("\xff\xd8\xff\xdb\x00\x43\x00", 7);  // a quantization table first
    QByteArray exif("\xff\xd8\xff\xe1\x00\x10" "Exif", 10);
    QByteArray textEndingBeforeSignature("just some text\0BM and GIF", 25);
    const QByteArray tinyGif = Encode(FourColour(2, 1), "GIF");
    ASSERT_LT(tinyGif.size(), 58);

    ZipPictureArchive archive;
    ASSERT_TRUE(archive.Open(Zip("mixed.zip", {
        {"readme.txt", Padded("BM but not a picture name")},
        {"one.jpg", Jpeg()},
        {"holiday/", {}},
        {"holiday/two.BMP", Bmp()},
        {"three.jpeg", Jpeg()},
        {"four.Gif", Gif()},
        {"notes.jpg", Padded("Dear diary, nothing to see here")},
        {"starts-with-bm.jpg", Padded("BMW owners club newsletter")},
        {"quantization.jpg", Padded(jpegWithoutJfif)},
        {"five.jpg", Padded(exif)},
        {"zero-first.bmp", Padded(textEndingBeforeSignature)},
        {"tiny.gif", tinyGif},
        {"pictures.bmp/", {}},
        {"six.png", Encode(FourColour(8, 8), "PNG")},
        {"seven.WebP", Padded(Encode(FourColour(8, 8), "WEBP"))},
        {"eight.tif", Encode(FourColour(8, 8), "TIFF")},
    })));
    EXPECT_EQ(archive.GetCount(), 9);
    EXPECT_EQ(archive.GetCurrentName(), "one.jpg");
    EXPECT_EQ(PictureNames(archive), QStringList({"one.jpg", "holiday/two.BMP", "three.jpeg", "four.Gif", "starts-with-bm.jpg",
                                                  "five.jpg", "six.png", "seven.WebP", "eight.tif"}));

    ASSERT_TRUE(archive.GoToPicture(4));
    EXPECT_EQ(archive.GetCurrentName(), "four.Gif");
    EXPECT_FALSE(archive.GoToPicture(10));
    EXPECT_FALSE(archive.GoToPicture(0));
}

TEST_F(ZipPictureArchiveTest, ArchivesWithoutPicturesOrThatAreNoArchivesGiveNoCount)
{
    const QString folder = Path("folder.zip");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString notZip = Path("text.zip");
    ASSERT_TRUE(TestPictures::WriteFile(notZip, "PK but not really an archive"));
    const QString valid = Zip("valid.zip", {{"a.bmp", Bmp()}, {"b.bmp", Bmp(20, 20)}});
    QFile whole(valid);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    const QString truncated = Path("truncated.zip");
    ASSERT_TRUE(TestPictures::WriteFile(truncated, bytes.left(bytes.size() - 30)));

    ZipPictureArchive archive;
    archive.Open(Zip("empty.zip", {}));  // the library may or may not take it for an archive
    EXPECT_EQ(archive.GetCount(), -1);
    for (const QString& path : {Zip("only-folders.zip", {{"a/", {}}, {"a/b.jpg/", {}}}),
                                Zip("png-named-text.zip", {{"x.png", Padded("\x89PNG but no more")}})}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_TRUE(archive.Open(path));
        EXPECT_EQ(archive.GetCount(), -1);
        EXPECT_FALSE(archive.GoToFirstPicture());
    }
    for (const QString& path : {folder, notZip, truncated, Path("missing.zip")}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_FALSE(archive.Open(path));
        EXPECT_EQ(archive.GetCount(), -1);
        EXPECT_FALSE(archive.Extract(nullptr));
        EXPECT_EQ(archive.GetCurrentName(), QString());
    }
    // A failed open also closes what was open before.
    ASSERT_TRUE(archive.Open(valid));
    EXPECT_EQ(archive.GetCount(), 2);
    EXPECT_FALSE(archive.Open(truncated));
    EXPECT_EQ(archive.GetCount(), -1);
}

TEST_F(ZipPictureArchiveTest, StepsBackByPictureNumber)
{
    ZipPictureArchive archive;
    ASSERT_TRUE(archive.Open(Zip("steps.zip", {
        {"a.bmp", Bmp(4, 4)}, {"skip.txt", "x"}, {"b.bmp", Bmp(5, 5)}, {"c.bmp", Bmp(6, 6)}, {"end.txt", "x"},
    })));
    EXPECT_FALSE(archive.GoToPreviousPicture());
    EXPECT_EQ(archive.GetCurrentName(), "a.bmp");

    ASSERT_TRUE(archive.GoToPicture(3));
    ASSERT_TRUE(archive.GoToPreviousPicture());
    EXPECT_EQ(archive.GetCurrentName(), "b.bmp");
    ASSERT_TRUE(archive.GoToPreviousPicture());
    EXPECT_EQ(archive.GetCurrentName(), "a.bmp");

    // Running off the end leaves the reader on the last member; back is then the last picture.
    ASSERT_TRUE(archive.GoToPicture(3));
    EXPECT_FALSE(archive.GoToNextPicture());
    ASSERT_TRUE(archive.GoToPreviousPicture());
    EXPECT_EQ(archive.GetCurrentName(), "c.bmp");
}

TEST_F(ZipPictureArchiveTest, StepsBackBetweenMembersWhoseNamesClash)
{
    ZipPictureArchive archive;
    ASSERT_TRUE(archive.Open(Zip("clash.zip", {
        {"same.bmp", Bmp(4, 4)}, {"same.bmp", Bmp(5, 5)}, {"Other.bmp", Bmp(6, 6)}, {"OTHER.BMP", Bmp(7, 7)},
    })));
    ASSERT_EQ(archive.GetCount(), 4);
    for (int number = 4; number > 1; --number) {
        ASSERT_TRUE(archive.GoToPicture(number));
        const std::uint32_t before = archive.GetCurrentSize();
        ASSERT_TRUE(archive.GoToPreviousPicture()) << number;
        ASSERT_TRUE(archive.GoToNextPicture()) << number;
        EXPECT_EQ(archive.GetCurrentSize(), before) << "back then forward returns to picture " << number;
    }
}

TEST_F(ZipPictureArchiveTest, ExtractsAndLoadsThePictureOnShow)
{
    const QByteArray gif = Gif();
    const QByteArray longName = QByteArray(296, 'n') + ".gif";
    ZipPictureArchive archive;
    ASSERT_TRUE(archive.Open(Zip("good.zip", {{"one.jpg", Jpeg()}, {longName, gif}})));
    ASSERT_TRUE(archive.GoToPicture(2));
    EXPECT_EQ(archive.GetCurrentName(), QString::fromLatin1(longName));
    ASSERT_EQ(archive.GetCurrentSize(), std::uint32_t(gif.size()));
    QByteArray extracted(gif.size(), '\0');
    ASSERT_TRUE(archive.Extract(reinterpret_cast<unsigned char*>(extracted.data())));
    EXPECT_EQ(extracted, gif);

    Picture picture;
    QStringList messages;
    EXPECT_TRUE(archive.LoadCurrentPicture(picture, [&](const QString& text) { messages << text; }));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(Picture::HimetricToPixels(picture.GetWidth()), 12);
    EXPECT_EQ(Picture::HimetricToPixels(picture.GetHeight()), 10);
}

TEST_F(ZipPictureArchiveTest, DamagedOrLyingMembersAreNeverHandedOn)
{
    const QByteArray bmp = Encode(Noise(64, 64), "BMP");
    // A good archive whose deflated data is then damaged well past the member's first bytes.
    const QString damaged = Zip("damaged.zip", {{"a.bmp", bmp}});
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    ASSERT_GT(bytes.size(), 8000);
    for (int i = 6000; i < 6050; ++i)
        bytes[i] = char(bytes[i] ^ 0x5a);
    file.seek(0);
    file.write(bytes);
    file.close();

    struct Case {
        const char* what;
        QString path;
        QString message;
    };
    const std::vector<Case> cases = {
        {"damaged data", damaged, "Buffer Error"},
        {"wrong CRC", Zip("crc.zip", {{"a.bmp", bmp, std::nullopt, 0x12345678u}}), "Buffer Error"},
        {"shorter than declared", Zip("short.zip", {{"a.bmp", bmp, quint32(bmp.size() + 100)}}), "Buffer Error"},
        {"beyond what the archive can hold", Zip("big.zip", {{"a.bmp", bmp, 20u * 1024 * 1024}}),
         "Couldnt create image buffer"},
        {"absurd size", Zip("absurd.zip", {{"a.bmp", bmp, 0xf0000000u}}), "Couldnt create image buffer"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ZipPictureArchive archive;
        ASSERT_TRUE(archive.Open(c.path));
        ASSERT_EQ(archive.GetCount(), 1);
        QByteArray buffer(bmp.size() + 100, '\0');
        EXPECT_FALSE(archive.Extract(reinterpret_cast<unsigned char*>(buffer.data())));
        EXPECT_FALSE(archive.Extract(nullptr));
        EXPECT_FALSE(QFile::exists(archive.TemporaryFilePath()));

        Picture picture;
        ASSERT_TRUE(picture.LoadFromBuffer(reinterpret_cast<const unsigned char*>(bmp.constData()), bmp.size()));
        QStringList messages;
        EXPECT_FALSE(archive.LoadCurrentPicture(picture, [&](const QString& text) { messages << text; }));
        EXPECT_EQ(messages, QStringList{c.message});
        EXPECT_TRUE(picture.IsEmpty());
        EXPECT_FALSE(archive.LoadCurrentPicture(picture));
    }
}

TEST_F(ZipPictureArchiveTest, PicturesTheDecoderRefusesAreReported)
{
    ZipPictureArchive archive;
    ASSERT_TRUE(archive.Open(Zip("fake.zip", {{"fake.bmp", Padded("BM is all there is to this")}})));
    Picture picture;
    QStringList messages;
    EXPECT_FALSE(archive.LoadCurrentPicture(picture, [&](const QString& text) { messages << text; }));
    EXPECT_EQ(messages, QStringList{"Cant Create Picture"});
}

TEST_F(ZipPictureArchiveTest, TemporaryFileIsOursInTheTemporaryFolder)
{
    QTemporaryDir tmp, current;
    // Private temporary and current folders, given back however the test ends.
    struct Restore {
        bool hadTmpdir = qEnvironmentVariableIsSet("TMPDIR");
        QByteArray tmpdir = qgetenv("TMPDIR");
        QString current = QDir::currentPath();
        ~Restore()
        {
            if (hadTmpdir)
                qputenv("TMPDIR", tmpdir);
            else
                qunsetenv("TMPDIR");
            QDir::setCurrent(current);
        }
    } restore;
    qputenv("TMPDIR", QFile::encodeName(tmp.path()));
    QDir::setCurrent(current.path());

    const QByteArray bmp = Bmp();
    const QString zip = Zip("t.zip", {{"a.bmp", bmp}});
    {
        ZipPictureArchive archive;
        const QString name = QFileInfo(archive.TemporaryFilePath()).fileName();
        EXPECT_EQ(QFileInfo(archive.TemporaryFilePath()).absolutePath(), QDir(tmp.path()).absolutePath());
        EXPECT_TRUE(QRegularExpression("^KWTI[0-9]{1,3}\\.TMP$").match(name).hasMatch()) << name.toStdString();
        ASSERT_TRUE(TestPictures::WriteFile(current.filePath(name), "keep me"));

        ASSERT_TRUE(archive.Open(zip));
        ASSERT_TRUE(archive.Extract(nullptr));
        QFile written(archive.TemporaryFilePath());
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.readAll(), bmp);
        ASSERT_TRUE(archive.Extract(nullptr)) << "a second extraction replaces our own file";
        archive.Close();
        EXPECT_FALSE(QFile::exists(archive.TemporaryFilePath()));
        EXPECT_TRUE(QFile::exists(current.filePath(name)));

        // A file of that name that someone else made is neither written through nor deleted.
        ASSERT_TRUE(TestPictures::WriteFile(archive.TemporaryFilePath(), "not yours"));
        ASSERT_TRUE(archive.Open(zip));
        EXPECT_FALSE(archive.Extract(nullptr));
        archive.Close();
        QFile foreign(archive.TemporaryFilePath());
        ASSERT_TRUE(foreign.open(QIODevice::ReadOnly));
        EXPECT_EQ(foreign.readAll(), "not yours");
    }
}
