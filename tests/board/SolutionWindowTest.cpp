#include "Picture.h"
#include "SolutionDisplaySize.h"
#include "SolutionWindow.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

Picture PictureOf(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    Picture picture;
    picture.LoadFromBuffer(reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size());
    return picture;
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

TEST(SolutionWindowTest, WindowIs100LargerThanThePictureWithTheFrameInsetBy20)
{
    const struct {
        int width, height;
        QSize window;
    } cases[] = {{400, 100, {300, 150}}, {100, 400, {150, 300}}, {250, 250, {300, 300}}};
    for (const auto& c : cases) {
        SolutionWindow window(nullptr, PictureOf(c.width, c.height, Qt::red), c.width, c.height);
        EXPECT_EQ(window.size(), c.window) << c.width << " x " << c.height;
        EXPECT_EQ(window.Box(), QRect(20, 20, c.window.width() - 40, c.window.height() - 40));
        EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("frame"))->geometry(), window.Box());
        EXPECT_TRUE(window.HasPicture());
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Solution"));
        EXPECT_FALSE(window.isModal());
    }
}

TEST(SolutionWindowTest, PictureFillsTheFrameAndNothingOutsideIt)
{
    SolutionWindow window(nullptr, PictureOf(80, 40, Qt::green), 80, 40);
    const QImage shot = window.grab().toImage();
    const QRect box = window.Box();

    EXPECT_TRUE(Near(shot.pixelColor(box.center()), Qt::green));
    EXPECT_TRUE(Near(shot.pixelColor(box.left() + 4, box.top() + 10), Qt::green));
    EXPECT_TRUE(Near(shot.pixelColor(box.right() - 2, box.bottom() - 2), Qt::green));
    EXPECT_FALSE(Near(shot.pixelColor(box.left() + 1, box.top() + 5), Qt::green));
    EXPECT_FALSE(Near(shot.pixelColor(5, 5), Qt::green));
    EXPECT_FALSE(Near(shot.pixelColor(window.width() - 5, window.height() - 5), Qt::green));
}

TEST(SolutionWindowTest, KeepsShowingThePictureItWasGivenWhateverTheGameLoadsLater)
{
    Picture game = PictureOf(60, 30, Qt::red);
    SolutionWindow window(nullptr, game, 60, 30);
    game = PictureOf(30, 60, Qt::blue);
    EXPECT_EQ(window.size(), QSize(300, 200));
    EXPECT_TRUE(Near(CentreOfBox(window), Qt::red));
}

TEST(SolutionWindowTest, NoPictureLeavesTheTemplateSizeAndAnEmptyFrame)
{
    SolutionWindow window(nullptr, Picture(), 400, 100);
    EXPECT_EQ(window.size(), SolutionWindow::TemplateSize);
    EXPECT_EQ(window.Box(), SolutionWindow::TemplateBox);
    EXPECT_FALSE(window.HasPicture());
    const QImage shot = window.grab().toImage();
    EXPECT_TRUE(Near(shot.pixelColor(window.Box().center()), shot.pixelColor(5, 5))) << "the window's own background";
}

TEST(SolutionWindowTest, EscEnterAndTheOwnersCloseEachCloseAndDeleteIt)
{
    const Picture picture = PictureOf(40, 40, Qt::red);
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
        QPointer<SolutionWindow> window = new SolutionWindow(&owner, picture, 40, 40);
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
