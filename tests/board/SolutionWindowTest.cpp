#include "PictureSource.h"
#include "SolutionDisplaySize.h"
#include "SolutionWindow.h"

#include "MessageBoxAnswerer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <zip.h>

#include <functional>
#include <utility>
#include <vector>

namespace {

QByteArray BmpOf(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

using Member = std::pair<const char*, QByteArray>;

bool WriteZip(const QString& path, const std::vector<Member>& members)
{
    zipFile zip = zipOpen(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    bool ok = true;
    for (const auto& [name, bytes] : members) {
        ok = ok && zipOpenNewFileInZip(zip, name, nullptr, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                       Z_DEFAULT_COMPRESSION) == ZIP_OK;
        ok = ok && zipWriteInFileInZip(zip, bytes.constData(), unsigned(bytes.size())) == ZIP_OK;
        ok = ok && zipCloseFileInZip(zip) == ZIP_OK;
    }
    return zipClose(zip, nullptr) == ZIP_OK && ok;
}

PictureSource FileSource(const QString& path)
{
    PictureSource source;
    source.Path = path;
    source.BuiltIn = false;
    return source;
}

PictureSource ArchiveSource(const QString& path, int index)
{
    PictureSource source = FileSource(path);
    source.ZipIndex = index;
    source.ZipCount = 2;
    return source;
}

// Window captures may hold fewer bits a channel than the picture, so colours are compared loosely.
bool Near(QColor actual, QColor expected)
{
    const int tolerance = 8;
    return qAbs(actual.red() - expected.red()) <= tolerance && qAbs(actual.green() - expected.green()) <= tolerance &&
           qAbs(actual.blue() - expected.blue()) <= tolerance;
}

QColor CentreOfBox(SolutionWindow& window)
{
    const QImage shot = window.grab().toImage();
    return shot.pixelColor(window.Box().center());
}

void DeleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class SolutionWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString PathOf(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
};

}  // namespace

TEST(SolutionDisplaySize, LongerSideIs200AndTheOtherIsCut)
{
    EXPECT_EQ(SolutionDisplaySize(400, 100), QSize(200, 50));
    EXPECT_EQ(SolutionDisplaySize(100, 400), QSize(50, 200));
    EXPECT_EQ(SolutionDisplaySize(300, 300), QSize(200, 200));
    EXPECT_EQ(SolutionDisplaySize(350, 351), QSize(199, 200));  // 199.43
    EXPECT_EQ(SolutionDisplaySize(3, 1), QSize(200, 66));       // 66.67
    EXPECT_EQ(SolutionDisplaySize(100000, 1), QSize(200, 0));
    // Sizes without area are taken as square rather than divided by.
    EXPECT_EQ(SolutionDisplaySize(0, 0), QSize(200, 200));
    EXPECT_EQ(SolutionDisplaySize(0, 80), QSize(200, 200));
    EXPECT_EQ(SolutionDisplaySize(80, 0), QSize(200, 200));
    EXPECT_EQ(SolutionDisplaySize(-40, 10), QSize(200, 200));
}

TEST_F(SolutionWindowTest, WindowIs100LargerThanThePictureWithTheFrameInsetBy20)
{
    const struct {
        int width, height;
        QSize window;
    } cases[] = {{400, 100, {300, 150}}, {100, 400, {150, 300}}, {250, 250, {300, 300}}};
    for (const auto& c : cases) {
        const QString path = PathOf(QStringLiteral("p%1x%2.bmp").arg(c.width).arg(c.height));
        ASSERT_TRUE(WriteFile(path, BmpOf(c.width, c.height, Qt::red)));
        SolutionWindow window(nullptr, FileSource(path), c.width, c.height);
        EXPECT_EQ(window.size(), c.window) << c.width << " x " << c.height;
        EXPECT_EQ(window.Box(), QRect(20, 20, c.window.width() - 40, c.window.height() - 40));
        EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("frame"))->geometry(), window.Box());
        EXPECT_TRUE(window.HasPicture());
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Solution"));
        EXPECT_FALSE(window.isModal());
    }
}

TEST_F(SolutionWindowTest, PictureFillsTheFrameAndNothingOutsideIt)
{
    const QString path = PathOf(QStringLiteral("green.bmp"));
    ASSERT_TRUE(WriteFile(path, BmpOf(80, 40, Qt::green)));
    SolutionWindow window(nullptr, FileSource(path), 80, 40);
    const QImage shot = window.grab().toImage();
    const QRect box = window.Box();

    EXPECT_TRUE(Near(shot.pixelColor(box.center()), Qt::green));
    EXPECT_TRUE(Near(shot.pixelColor(box.left() + 4, box.top() + 10), Qt::green));
    EXPECT_TRUE(Near(shot.pixelColor(box.right() - 2, box.bottom() - 2), Qt::green));
    EXPECT_FALSE(Near(shot.pixelColor(box.left() + 1, box.top() + 5), Qt::green));
    EXPECT_FALSE(Near(shot.pixelColor(5, 5), Qt::green));
    EXPECT_FALSE(Near(shot.pixelColor(window.width() - 5, window.height() - 5), Qt::green));
}

TEST_F(SolutionWindowTest, ArchiveSourceShowsTheEntryTheGameShows)
{
    const QString path = PathOf(QStringLiteral("two.zip"));
    ASSERT_TRUE(WriteZip(path, {{"first.bmp", BmpOf(60, 30, Qt::red)},
                                {"readme.txt", QByteArray(100, 'x')},
                                {"sub/second.BMP", BmpOf(30, 60, Qt::blue)}}));

    SolutionWindow first(nullptr, ArchiveSource(path, 1), 60, 30);
    EXPECT_EQ(first.size(), QSize(300, 200));
    EXPECT_TRUE(Near(CentreOfBox(first), Qt::red));

    SolutionWindow second(nullptr, ArchiveSource(path, 2), 30, 60);
    EXPECT_EQ(second.size(), QSize(200, 300));
    EXPECT_TRUE(Near(CentreOfBox(second), Qt::blue));
}

TEST_F(SolutionWindowTest, FailedArchiveStartUpLeavesTheTemplateSizeWithoutPicture)
{
    const QString noPictures = PathOf(QStringLiteral("text.zip"));
    ASSERT_TRUE(WriteZip(noPictures, {{"notes.txt", QByteArray(100, 'n')}, {"folder/", QByteArray()}}));
    const QString onePicture = PathOf(QStringLiteral("one.zip"));
    ASSERT_TRUE(WriteZip(onePicture, {{"only.gif.bmp", BmpOf(20, 20, Qt::red)}}));

    MessageBoxAnswerer answerer(QMessageBox::Ok);
    for (const PictureSource& source : {ArchiveSource(PathOf(QStringLiteral("missing.zip")), 1),
                                        ArchiveSource(noPictures, 1), ArchiveSource(onePicture, 2)}) {
        SolutionWindow window(nullptr, source, 400, 100);
        EXPECT_EQ(window.size(), SolutionWindow::TemplateSize) << source.Path.toStdString() << " #" << source.ZipIndex;
        EXPECT_EQ(window.Box(), SolutionWindow::TemplateBox);
        EXPECT_FALSE(window.HasPicture());
    }
    EXPECT_TRUE(answerer.Texts().isEmpty()) << "these failures are silent";
}

TEST_F(SolutionWindowTest, UndecodableArchiveMemberIsReportedAndTheWindowStillSized)
{
    const QString path = PathOf(QStringLiteral("bad.zip"));
    // Passes the member test (it begins with "BM") but is no picture.
    ASSERT_TRUE(WriteZip(path, {{"broken.bmp", "BM" + QByteArray(120, 'z')}}));

    MessageBoxAnswerer answerer(QMessageBox::Ok);
    SolutionWindow window(nullptr, ArchiveSource(path, 1), 400, 100);
    EXPECT_EQ(answerer.Texts(), QStringList{QStringLiteral("Cant Create Picture")});
    EXPECT_EQ(answerer.Captions(), QStringList{QCoreApplication::applicationName()});
    EXPECT_EQ(window.size(), QSize(300, 150));
    EXPECT_FALSE(window.HasPicture());
}

TEST_F(SolutionWindowTest, MissingFileShowsAnEmptyFrameNotLeftoverPixels)
{
    SolutionWindow window(nullptr, FileSource(PathOf(QStringLiteral("gone.jpg"))), 400, 100);
    EXPECT_EQ(window.size(), QSize(300, 150));
    EXPECT_FALSE(window.HasPicture());
    const QImage shot = window.grab().toImage();
    EXPECT_TRUE(Near(shot.pixelColor(window.Box().center()), shot.pixelColor(5, 5))) << "the window's own background";
}

TEST_F(SolutionWindowTest, BuiltInPictureIsShownWhenInUseWhateverThePathSays)
{
    // After a damaged archive the game shows the built-in picture and keeps the archive's path.
    const QString damaged = PathOf(QStringLiteral("damaged.zip"));
    ASSERT_TRUE(WriteFile(damaged, "PK not really an archive"));
    for (const QString& path : {QString(), damaged}) {
        PictureSource source;
        source.Path = path;
        MessageBoxAnswerer answerer(QMessageBox::Ok);
        SolutionWindow window(nullptr, source, 350, 351);
        EXPECT_TRUE(window.HasPicture()) << path.toStdString();
        EXPECT_EQ(window.size(), QSize(299, 300));
        EXPECT_TRUE(answerer.Texts().isEmpty());
    }
}

TEST_F(SolutionWindowTest, EscEnterAndTheOwnersCloseEachCloseAndDeleteIt)
{
    const QString path = PathOf(QStringLiteral("p.bmp"));
    ASSERT_TRUE(WriteFile(path, BmpOf(40, 40, Qt::red)));
    QWidget owner;

    const std::function<void(SolutionWindow*)> closers[] = {
        [](SolutionWindow* w) { QTest::keyClick(w, Qt::Key_Escape); },
        [](SolutionWindow* w) { QTest::keyClick(w, Qt::Key_Return); },
        [](SolutionWindow* w) { QTest::keyClick(w, Qt::Key_Enter, Qt::KeypadModifier); },
        [](SolutionWindow* w) { w->close(); },
        [](SolutionWindow* w) { w->hide(), w->close(); },  // never on screen, or hidden
    };
    int which = 0;
    for (const auto& closeIt : closers) {
        QPointer<SolutionWindow> window = new SolutionWindow(&owner, FileSource(path), 40, 40);
        QSignalSpy closed(window.data(), &SolutionWindow::closed);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.data()));
        closeIt(window.data());
        DeleteClosedWindows();
        EXPECT_TRUE(window.isNull()) << "closer " << which;
        EXPECT_EQ(closed.count(), 1) << "closer " << which;
        ++which;
    }
}
