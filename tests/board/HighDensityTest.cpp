// The board, the solution window and the preview on a screen of two device pixels a logical
// pixel: each shows a picture larger than itself at full device resolution.
#include "BoardView.h"
#include "GameClock.h"
#include "GameSession.h"
#include "Picture.h"
#include "PreviewPane.h"
#include "RandomSource.h"
#include "SolutionWindow.h"
#include "TestPictures.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

// Read before the test program's application starts, so every window here is at ratio 2.
const bool highDensity = qputenv("QT_SCALE_FACTOR", "2");

// Columns one pixel wide, black and white by turns: a picture cut at logical size and blown up
// shows them as grey or in pairs, never alternating pixel by pixel.
Picture Stripes(QSize pixels)
{
    QImage image(pixels, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int x = 0; x < pixels.width(); ++x)
        painter.fillRect(x, 0, 1, pixels.height(), x % 2 ? Qt::white : Qt::black);
    painter.end();
    const QByteArray bytes = TestPictures::Encode(image, "BMP");
    Picture picture;
    picture.LoadFromBuffer(reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size());
    return picture;
}

// Device pixel (x, y) and its right neighbour differ as black and white do.
bool SharpAt(const QImage& shot, int x, int y)
{
    return qAbs(qGray(shot.pixel(x, y)) - qGray(shot.pixel(x + 1, y))) > 200;
}

TEST(HighDensity, TheBoardIsCutInDevicePixelsAndItsGridStaysOneLogicalPixel)
{
    ASSERT_TRUE(highDensity);
    SystemClock clock;
    CLibraryRandom random;
    GameSession session(clock, random);  // a solved 4 x 4 tile-swap board
    session.Arrange(session.Current().WithTile({0, 0}, 1).WithTile({1, 0}, 0));
    const Picture picture = Stripes(QSize(400, 400));
    BoardView view(session, picture, [] { return BoardLook{1, 2, 1}; });
    view.SetBoardSize(QSize(200, 200));
    ASSERT_EQ(view.devicePixelRatio(), 2.0);

    const QImage shot = view.grab().toImage();
    EXPECT_EQ(shot.size(), QSize(400, 400));
    EXPECT_EQ(view.Shown().Width, 200) << "the board's size stays in logical pixels";
    for (int x : {10, 11, 160, 161})
        EXPECT_TRUE(SharpAt(shot, x, 150)) << x;
    const QRgb red = qRgb(255, 0, 0);
    EXPECT_EQ(shot.pixel(100, 150), red) << "a grid line at logical 50";
    EXPECT_EQ(shot.pixel(101, 150), red) << "two device pixels wide";
    EXPECT_NE(shot.pixel(102, 150), red);
}

TEST(HighDensity, TheSolutionWindowAndThePreviewShowEveryDevicePixel)
{
    // The window's frame leaves 257 x 251 logical pixels for a square picture.
    SolutionWindow solution(nullptr, Stripes(QSize(514, 502)), 400, 400);
    const QImage shown = solution.grab().toImage();
    const QPoint inside = solution.Box().center() * 2;
    EXPECT_TRUE(SharpAt(shown, inside.x(), inside.y()));
    EXPECT_TRUE(SharpAt(shown, inside.x() + 1, inside.y()));

    PreviewPane pane;
    pane.resize(200, 150);
    const Picture preview = Stripes(pane.contentsRect().size() * 2);
    pane.Show(&preview);
    const QImage pane_shot = pane.grab().toImage();
    const QPoint centre = pane.contentsRect().center() * 2;
    EXPECT_TRUE(SharpAt(pane_shot, centre.x(), centre.y()));
    EXPECT_TRUE(SharpAt(pane_shot, centre.x() + 1, centre.y()));
}

} // namespace
