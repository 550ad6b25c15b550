// What one click costs on screen: a full repaint of a large board after a move, against one plain
// copy of an image of the board's size, measured in the same run. The board keeps only its cut
// picture and paints every cell from it, so the repaint should cost at most one and a half copies;
// one frame of gliding tiles should cost at most a third of a repaint. The ratios are printed at
// the end.
#include "BoardPainter.h"
#include "Picture.h"
#include "Jumble.h"
#include "Move.h"
#include "RandomSource.h"
#include "RatioReporter.h"
#include "TileGlide.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QRegion>
#include <benchmark/benchmark.h>

namespace {

constexpr int BoardWidth = 1200;
constexpr int BoardHeight = 900;

Picture LargePicture()
{
    QImage image(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 4000, 3000);
    gradient.setColorAt(0, QColor(30, 60, 160));
    gradient.setColorAt(1, QColor(240, 180, 40));
    painter.fillRect(image.rect(), gradient);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    Picture picture;
    picture.SetLargestDrawnSize(QSize(BoardWidth, BoardHeight));
    picture.LoadFromBuffer(reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size());
    return picture;
}

void BM_PlainCopy(benchmark::State& state)
{
    QImage source(BoardWidth, BoardHeight, QImage::Format_RGB32);
    source.fill(QColor(90, 120, 200));
    QImage target(BoardWidth, BoardHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&target);
        painter.drawImage(0, 0, source);
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMicrosecond);

void BM_FullBoardPaint(benchmark::State& state)
{
    static const Picture picture = LargePicture();
    CLibraryRandom random;
    Position position = Jumble(10, GameMode::TileSwap, random);
    BoardLook look;
    BoardPicture shown;
    shown.Tiles(picture, 10, BoardWidth, BoardHeight);  // once a puzzle
    QImage target(BoardWidth, BoardHeight, QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        // Every paint follows a click: two cells change places.
        const int a = step++ % 100;
        const int b = (a + 37) % 100;
        position = *Apply(position, Move::Swap({a % 10, a / 10}, {b % 10, b / 10}));
        const ShownBoard board{position, Cell{3, 4}, BoardWidth, BoardHeight};
        QPainter painter(&target);
        shown.Paint(painter, target.rect(), board, picture, look);
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_FullBoardPaint)->Unit(benchmark::kMicrosecond);

// One frame of the longest slide on a large board: nine tiles glide along a row. The frame paints
// only where the tiles were and are, and draws the tiles over it: about two tile copies a gliding
// tile, so under a third of a full repaint even for nine.
void BM_GlideFrame(benchmark::State& state)
{
    static const Picture picture = LargePicture();
    const Position solved = Position::Solved(10, GameMode::Slider);
    const Position after = *Apply(solved, Move::Slide({0, 9}));
    const std::vector<TileGlide> glides = GlidesBetween(solved, after);
    const Position base = WithGlidingCellsEmpty(after, glides);
    const ShownBoard board{base, std::nullopt, BoardWidth, BoardHeight};
    BoardLook look;
    BoardPicture shown;
    shown.Tiles(picture, 10, BoardWidth, BoardHeight);
    QImage target(BoardWidth, BoardHeight, QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        const qreal progress = (step++ % 8) / 8.0;
        QRegion area;
        for (const TileGlide& glide : glides)
            area += GlidingTileRect(board, glide, progress) | GlidingTileRect(board, glide, progress + 0.125);
        QPainter painter(&target);
        for (const QRect& rect : area)
            shown.Paint(painter, rect, board, picture, look);
        shown.PaintGliding(painter, board, picture, glides, progress);
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_GlideFrame)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter({{"BM_FullBoardPaint", "BM_PlainCopy", 1.5},
                            {"BM_GlideFrame", "BM_FullBoardPaint", 1.0 / 3}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
