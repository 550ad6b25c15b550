// The board as painted: each tile's piece where the tile lies, the hole, grid and selection.
#include "BoardPainter.h"
#include "Move.h"
#include "Picture.h"
#include "TestPictures.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <tuple>

namespace {

constexpr int N = 4;
constexpr int Side = 160;  // tiles of 40 x 40
constexpr int Tile = Side / N;

QColor TileColour(int tile)
{
    return QColor(tile * 15, 255 - tile * 15, (tile * 70) % 256);
}

// A picture whose N x N pieces are solid colours, so a tile is known by its colour.
Picture TiledPicture()
{
    QImage image(Side, Side, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int t = 0; t < N * N; ++t)
        painter.fillRect((t % N) * Tile, (t / N) * Tile, Tile, Tile, TileColour(t));
    painter.end();
    const QByteArray bytes = TestPictures::Encode(image, "BMP");
    Picture picture;
    picture.LoadFromBuffer(reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size());
    return picture;
}

bool Near(QColor actual, QColor expected)
{
    return std::abs(actual.red() - expected.red()) <= 8
           && std::abs(actual.green() - expected.green()) <= 8
           && std::abs(actual.blue() - expected.blue()) <= 8;
}

class BoardPainterTest : public ::testing::Test {
protected:
    BoardPainterTest() : picture_(TiledPicture()) { look_.Grid = 0; }

    void SetCell(int column, int row, int tile) { position_ = position_.WithTile({column, row}, tile); }

    QImage Paint()
    {
        QImage target(Side, Side, QImage::Format_RGB32);
        target.fill(Qt::magenta);
        QPainter painter(&target);
        const ShownBoard board{position_, selection_, Side, Side};
        tiles_.Paint(painter, target.rect(), board, picture_, look_);
        return target;
    }

    static QColor CellCentre(const QImage& image, int column, int row)
    {
        return image.pixelColor(column * Tile + Tile / 2, row * Tile + Tile / 2);
    }

    Picture picture_;
    BoardPicture tiles_;
    Position position_ = Position::Solved(N, GameMode::TileSwap);
    std::optional<Cell> selection_;
    BoardLook look_;
};

TEST_F(BoardPainterTest, EachCellShowsThePieceOfTheTileItHolds)
{
    SetCell(0, 0, 9);
    SetCell(1, 2, 0);
    SetCell(3, 3, 6);
    const QImage image = Paint();
    EXPECT_TRUE(Near(CellCentre(image, 0, 0), TileColour(9)));
    EXPECT_TRUE(Near(CellCentre(image, 1, 2), TileColour(0)));
    EXPECT_TRUE(Near(CellCentre(image, 3, 3), TileColour(6)));
    EXPECT_TRUE(Near(CellCentre(image, 2, 1), TileColour(6)));
    // Every pixel of the board is painted.
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x)
            ASSERT_NE(image.pixelColor(x, y), QColor(Qt::magenta)) << x << "," << y;

    // The next paint shows a move.
    SetCell(0, 0, 0);
    SetCell(1, 2, 9);
    const QImage after = Paint();
    EXPECT_TRUE(Near(CellCentre(after, 0, 0), TileColour(0)));
    EXPECT_TRUE(Near(CellCentre(after, 1, 2), TileColour(9)));
    EXPECT_TRUE(Near(CellCentre(after, 3, 3), TileColour(6)));
}

TEST_F(BoardPainterTest, GridLinesCloseEveryCellOnlyWhileUnsolved)
{
    look_.Grid = 1;
    EXPECT_TRUE(Near(Paint().pixelColor(Tile, 5), TileColour(1))) << "a solved board has no grid";

    SetCell(0, 0, 1);
    SetCell(1, 0, 0);
    const std::pair<int, QColor> colours[] = {
        {0, Qt::black}, {1, Qt::white}, {2, QColor(255, 0, 0)}};
    for (const auto& [setting, colour] : colours) {
        look_.GridColour = setting;
        const QImage image = Paint();
        for (int x : {0, Tile, 2 * Tile, 3 * Tile, Side - 1})
            EXPECT_EQ(image.pixelColor(x, 5), colour) << "vertical line at " << x;
        for (int y : {0, Tile, 2 * Tile, 3 * Tile, Side - 1})
            EXPECT_EQ(image.pixelColor(5, y), colour) << "horizontal line at " << y;
        EXPECT_TRUE(Near(image.pixelColor(Tile + 1, 5), TileColour(0)));
        EXPECT_TRUE(Near(image.pixelColor(Side - 2, Side - 2), TileColour(15)));
    }
    look_.Grid = 0;
    EXPECT_TRUE(Near(Paint().pixelColor(Tile, 5), TileColour(0))) << "grid switched off";
}

TEST_F(BoardPainterTest, SelectionFrameStaysInsideTheBoardInTheLastColumnAndRow)
{
    look_.SelColour = 2;
    const QColor red(255, 0, 0);
    selection_ = Cell{1, 1};
    QImage image = Paint();
    EXPECT_EQ(image.pixelColor(Tile, Tile), red);
    EXPECT_EQ(image.pixelColor(2 * Tile, 2 * Tile), red) << "frame reaches x0 + tw, y0 + th";
    EXPECT_TRUE(Near(image.pixelColor(2 * Tile - 1, Tile + 5), TileColour(5)));

    selection_ = Cell{N - 1, N - 1};
    look_.SelColour = 1;
    image = Paint();
    EXPECT_EQ(image.pixelColor(Side - 1, Side - 10), QColor(255, 255, 0));
    EXPECT_EQ(image.pixelColor(Side - 10, Side - 1), QColor(255, 255, 0));
    EXPECT_EQ(image.pixelColor(3 * Tile, 3 * Tile), QColor(255, 255, 0));
    EXPECT_TRUE(Near(image.pixelColor(Tile, Tile), TileColour(5))) << "the old frame is gone";
    EXPECT_TRUE(Near(image.pixelColor(2 * Tile, 2 * Tile), TileColour(10)));

    selection_.reset();
    image = Paint();
    EXPECT_TRUE(Near(image.pixelColor(Side - 1, Side - 10), TileColour(15))) << "no frame left";
}

TEST_F(BoardPainterTest, HoleIsASunkenButtonFaceSquare)
{
    position_ = Position::Solved(N, GameMode::Slider);
    look_.ButtonFace = QColor(200, 200, 200);
    look_.ButtonShadow = QColor(100, 100, 100);
    const QImage image = Paint();
    const int x0 = (N - 1) * Tile;
    EXPECT_EQ(CellCentre(image, N - 1, N - 1), look_.ButtonFace);
    EXPECT_EQ(image.pixelColor(x0 + 5, x0), look_.ButtonShadow);
    EXPECT_EQ(image.pixelColor(x0, x0 + 5), look_.ButtonShadow);
    EXPECT_EQ(image.pixelColor(x0 + 5, Side - 1), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(Side - 1, x0 + 5), QColor(Qt::white));
}

TEST_F(BoardPainterTest, CutPictureFollowsSizeAndPictureChanges)
{
    const QImage& first = tiles_.Tiles(picture_, N, Side, Side);
    EXPECT_EQ(first.size(), QSize(Side, Side));
    const qint64 key = first.cacheKey();
    EXPECT_EQ(tiles_.Tiles(picture_, N, Side, Side).cacheKey(), key) << "no rebuild when unchanged";

    const QImage& fiveByFive = tiles_.Tiles(picture_, 5, 150, 100);
    EXPECT_EQ(fiveByFive.size(), QSize(150, 100));
    // The piece of tile 0 of a 5 x 5 cut is red-ish tile 0 of the picture, scaled to 30 x 20.
    EXPECT_TRUE(Near(fiveByFive.pixelColor(15, 10), TileColour(0)));

    picture_.LoadFromResource("BMP", "IDR_BMP2");
    EXPECT_NE(tiles_.Tiles(picture_, 5, 150, 100).cacheKey(), fiveByFive.cacheKey());
}

// A picture decoded at the board's size becomes the board's cut without a copy; the picture then
// keeps only a small copy, and a move to a screen of another pixel ratio rescales the cut.
TEST_F(BoardPainterTest, APictureOfTheBoardsSizeIsTakenAsItIs)
{
    Picture alone = TiledPicture();
    alone.KeepSmallCopyOnceShared(QSize(20, 20));
    EXPECT_EQ(alone.Image().size(), QSize(Side, Side)) << "nobody else holds its pixels";

    EXPECT_EQ(tiles_.Tiles(picture_, N, Side, Side).constBits(), picture_.Image().constBits());
    picture_.KeepSmallCopyOnceShared(QSize(20, 20));
    EXPECT_EQ(picture_.Image().size(), QSize(20, 20));
    const QImage& sharp = tiles_.Tiles(picture_, N, Side, Side, 2.0);
    ASSERT_EQ(sharp.size(), QSize(2 * Side, 2 * Side));
    // Two device pixels into tile 1: scaled up from the small copy it would still be half tile 0.
    EXPECT_TRUE(Near(sharp.pixelColor(2 * Tile + 2, 10), TileColour(1)));
}

TEST_F(BoardPainterTest, KeyboardCursorIsADashedFrameThatLeavesNoTrace)
{
    look_.SelColour = 2;
    const auto paint = [&](std::optional<Cell> cursor) {
        QImage target(Side, Side, QImage::Format_RGB32);
        QPainter painter(&target);
        tiles_.Paint(painter, target.rect(), ShownBoard{position_, std::nullopt, Side, Side, cursor}, picture_, look_);
        return target;
    };
    const QImage plain = paint(std::nullopt);
    const QImage image = paint(Cell{1, 1});
    for (const auto& [x, y, dash] : {std::tuple{0, 0, true}, {3, 0, false}, {6, 0, true}, {0, 4, false}, {0, 7, true}})
        EXPECT_EQ(image.pixelColor(Tile + x, Tile + y) == QColor(255, 0, 0), dash) << x << "," << y;
    EXPECT_EQ(paint(std::nullopt), plain);
}

// The pieces carry the grid's lines while it shows: a gliding tile leaves them on the board, and
// the pieces are whole again once the grid goes.
TEST_F(BoardPainterTest, GridLinesStayOnTheBoardWhileTilesGlideAndLeaveThePiecesWhole)
{
    const QImage clean = tiles_.Tiles(picture_, N, Side, Side).copy();
    look_.Grid = 1;
    const Position slider = Position::Solved(N, GameMode::Slider);
    const Position after = *Apply(slider, Move::Slide({2, 3}));
    const std::vector<TileGlide> glides = GlidesBetween(slider, after);
    const ShownBoard gliding{WithGlidingCellsEmpty(after, glides), std::nullopt, Side, Side};
    QImage frame(Side, Side, QImage::Format_RGB32);
    QPainter painter(&frame);
    tiles_.Paint(painter, frame.rect(), gliding, picture_, look_);
    tiles_.PaintGliding(painter, gliding, picture_, glides, 0.5);
    painter.end();
    const TileGlide& glide = glides.front();
    const QRect at = GlidingTileRect(gliding, glide, 0.5);
    EXPECT_TRUE(Near(frame.pixelColor(at.topLeft()), TileColour(glide.Tile)));
    EXPECT_TRUE(Near(frame.pixelColor(at.left() + 5, at.top()), TileColour(glide.Tile)));
    EXPECT_EQ(frame.pixelColor(0, 5), QColor(Qt::black)) << "the board's own line";

    look_.Grid = 0;
    Paint();
    EXPECT_EQ(tiles_.Tiles(picture_, N, Side, Side), clean);
}

} // namespace
