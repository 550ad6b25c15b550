#include "BackgroundWindow.h"

#include <QApplication>
#include <QImage>
#include <QTimer>
#include <gtest/gtest.h>

TEST(BackgroundWindow, PaintsTheGradientAndAWhiteTitleOverItsShadow)
{
    BackgroundWindow window(QStringLiteral("Tilora Setup"));
    window.ShowMaximized();
    EXPECT_TRUE(window.isMaximized());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Corvanne Installer"));
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);

    const QImage image = window.grab().toImage();
    const int right = image.width() - 1;
    EXPECT_EQ(image.pixelColor(right, 0), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(right, 100), QColor(0, 0, 155));
    EXPECT_EQ(image.pixelColor(right, 255), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(right, image.height() - 1), QColor(0, 0, 0));

    int white = 0, black = 0;
    for (int y = 10; y < 50; ++y) {
        for (int x = 10; x < 250; ++x) {
            const QColor c = image.pixelColor(x, y);
            white += c == Qt::white;
            black += c == Qt::black;
        }
    }
    EXPECT_GT(white, 100);
    EXPECT_GT(black, 50);
}

TEST(BackgroundWindow, ClosingEndsTheProgramWithExitCodeZero)
{
    // The test must not pass merely because the last window closed.
    qApp->setQuitOnLastWindowClosed(false);
    BackgroundWindow window(QStringLiteral("Tilora Uninstall"));
    window.ShowMaximized();
    QTimer::singleShot(0, &window, &QWidget::close);
    QTimer::singleShot(3000, [] { QApplication::exit(7); });
    EXPECT_EQ(QApplication::exec(), 0);
    qApp->setQuitOnLastWindowClosed(true);
}
