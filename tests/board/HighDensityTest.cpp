// At two device pixels a logical pixel, the board, the solution window and the preview each show
// a picture larger than themselves at full device resolution.
#include "BoardView.h"
#include "GameClock.h"
#include "GameSession.h"
#include "Picture.h"
#include "PreviewPane.h"
#include "RandomSource.h"
#include "SolutionWindow.h"
#include "TestPictures.h"

#include <gtest/gtest.h>

namespace {

// Read when the test program's application starts, after every static is set.
const bool highDensity = qputenv("QT_SCALE_FACTOR", "2");

// One-pixel columns, black and white by turns: blown up from a logical-size cut, they come in
// pairs or grey, never alternating pixel by pixel.
Picture Stripes(QSize pixels)
{
    QImage image(pixels, QImage::Format_RGB32);
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            image.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    const QByteArray bytes = TestPictures::Encode(image, "BMP");
    Picture picture;
    picture.LoadFromBuffer(reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size());
    return picture;
}

bool SharpAround(const QImage& shot, QPoint at)
{
    const auto step = [&](int x) { return qAbs(qGray(shot.pixel(x, at.y())) - qGray(shot.pixel(x + 1, at.y()))); };
    return step(at.x()) > 200 && step(at.x() + 1) > 200;
}

TEST(HighDensity, PicturesAreKeptInDevicePixelsAndTheGridStaysOneLogicalPixel)
{
    ASSERT_TRUE(highDensity);
    SystemClock clock;
    CLibraryRandom random;
    GameSession session(clock, random);
    session.Arrange(session.Current().WithTile({0, 0}, 1).WithTile({1, 0}, 0));  // grid on show
    const Picture picture = Stripes(QSize(400, 400));
    BoardView view(session, picture, [] { return BoardLook{1, 2, 1}; });  // red grid
    view.SetBoardSize(QSize(200, 200));
    const QImage board = view.grab().toImage();
    EXPECT_EQ(board.size(), QSize(400, 400));
    EXPECT_TRUE(SharpAround(board, {10, 150}) && SharpAround(board, {160, 150}));
    const QRgb red = qRgb(255, 0, 0);
    EXPECT_TRUE(board.pixel(100, 150) == red && board.pixel(101, 150) == red && board.pixel(102, 150) != red);

    // The solution window's frame leaves 257 x 251 logical pixels for a square picture.
    SolutionWindow solution(nullptr, Stripes(QSize(514, 502)), 400, 400);
    EXPECT_TRUE(SharpAround(solution.grab().toImage(), solution.Box().center() * 2));
    PreviewPane pane;
    pane.resize(200, 150);
    const Picture preview = Stripes(pane.contentsRect().size() * 2);
    pane.Show(&preview);
    EXPECT_TRUE(SharpAround(pane.grab().toImage(), pane.contentsRect().center() * 2));
}

} // namespace
