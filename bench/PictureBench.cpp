// Big pictures and big archives, each measured against a reference of the same work done the
// plainest way, in the same run: a 12-megapixel JPEG made into a puzzle against a plain full
// decode of it; stepping back through an archive against stepping forward; New's scan of a
// folder of archives against listing it and walking each archive's central directory. The
// ratios are printed at the end, then the game's peak memory with that JPEG on show against
// its peak with the built-in picture. All data is made at run time in a temporary folder.
#include "BoardFitting.h"
#include "BoardPainter.h"
#include "GamePeakMemory.h"
#include "Picture.h"
#include "PictureFinder.h"
#include "RatioReporter.h"
#include "TestArchives.h"
#include "TestPictures.h"
#include "ZipPictureArchive.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unzip.h>

extern char** environ;

namespace {

// The screen the board is fitted to, as on the machine the goals were set for.
const QSize Screen(1600, 1000);

QTemporaryDir& Data()
{
    static QTemporaryDir data;
    return data;
}

// Rings finer and finer towards the edges, colour gradients and text: detail everywhere, so
// the file is about the size of a photograph's. Saved alone in a folder of its own.
QString TwelveMegapixelPicture(const char* format, int quality)
{
    const int width = 4000, height = 3000;
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double dx = x - width / 2.0, dy = y - height / 2.0;
            const int ring = int(127.5 + 127.5 * std::cos((dx * dx + dy * dy) / 4000.0));
            line[x] = qRgb(ring, x * 255 / width, y * 255 / height);
        }
    }
    QPainter painter(&image);
    painter.setPen(Qt::white);
    QFont font;
    font.setPixelSize(60);
    painter.setFont(font);
    for (int row = 0; row < 20; ++row)
        painter.drawText(100, 150 + row * 140, "The quick brown fox jumps over the lazy dog 0123456789");
    painter.end();
    const QString folder = QString::fromLatin1(format).toLower();
    QDir().mkpath(Data().filePath(folder));
    const QString file = Data().filePath(folder + "/photo." + folder);
    image.save(file, format, quality);
    return file;
}

QString TwelveMegapixelJpeg()
{
    static const QString path = TwelveMegapixelPicture("JPEG", 90);
    return path;
}

QByteArray SmallJpeg()
{
    return TestPictures::Encode(TestPictures::FourColour(64, 48), "JPEG");
}

QString ArchiveOf(int pictures, const QString& path)
{
    const QByteArray picture = SmallJpeg();
    std::vector<TestArchives::Member> members;
    for (int i = 1; i <= pictures; ++i)
        members.push_back({QString::asprintf("pictures/p%05d.jpg", i).toLatin1(), picture});
    TestArchives::WriteZip(path, members);
    return path;
}

// 100 archives of 50 pictures and 1000 loose pictures.
QString PictureFolder()
{
    static const QString folder = [] {
        const QString path = Data().filePath("folder");
        QDir().mkpath(path);
        const QString first = ArchiveOf(50, path + "/a000.zip");
        for (int i = 1; i < 100; ++i)
            QFile::copy(first, path + QString::asprintf("/a%03d.zip", i));
        const QByteArray picture = SmallJpeg();
        for (int i = 0; i < 1000; ++i)
            TestPictures::WriteFile(path + QString::asprintf("/p%04d.jpg", i), picture);
        return path;
    }();
    return folder;
}

void BM_FullJpegDecode(benchmark::State& state)
{
    const QString path = TwelveMegapixelJpeg();
    for (auto _ : state) {
        QImageReader reader(path);
        const QImage image = reader.read();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_FullJpegDecode)->Unit(benchmark::kMillisecond);

// The processor time (user and system) a program run to its end took; negative when it failed.
double ChildSeconds(std::vector<const char*> arguments)
{
    arguments.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, arguments[0], nullptr, nullptr, const_cast<char* const*>(arguments.data()), environ) != 0)
        return -1;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    auto seconds = [](timeval t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The reference a player's system already has: libjpeg's own command-line decoder, whole size.
void BM_DjpegFullDecode(benchmark::State& state)
{
    const QByteArray path = QFile::encodeName(TwelveMegapixelJpeg());
    for (auto _ : state) {
        const double seconds = ChildSeconds({"djpeg", "-outfile", "/dev/null", path.constData()});
        if (seconds < 0) {
            state.SkipWithError("djpeg did not run (package libjpeg-turbo-progs)");
            return;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_DjpegFullDecode)->UseManualTime()->Unit(benchmark::kMillisecond);

// What a new puzzle does with the picture: decode it at the board's size, fitted from the size
// its header tells, then cut the tiles at that size, as the game does.
void BM_JpegPuzzleLoad(benchmark::State& state)
{
    const QString path = TwelveMegapixelJpeg();
    constexpr int Caption = 30, Menu = 22, ToolbarAllowance = 52, N = 4;
    const ScreenLimits limits = ComputeScreenLimits(Screen.width(), Screen.height(), Caption, Menu, ToolbarAllowance);
    const auto boardFor = [&](QSize natural) {
        const BoardSize board = FitBoard(natural.width(), natural.height(), N, limits, Menu, true, ToolbarAllowance);
        return QSize(board.Width, board.Height);
    };
    for (auto _ : state) {
        Picture picture;
        picture.SetLargestDrawnSize(Screen);
        picture.SetDrawnSize(boardFor);
        picture.LoadFromFile(path);
        const QSize board = boardFor(QSize(Picture::HimetricToPixels(picture.GetWidth()),
                                           Picture::HimetricToPixels(picture.GetHeight())));
        BoardPicture shown;
        benchmark::DoNotOptimize(shown.Tiles(picture, N, board.width(), board.height()).constBits());
    }
}
BENCHMARK(BM_JpegPuzzleLoad)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

ZipPictureArchive& ArchiveOpen(int pictures)
{
    static std::map<int, std::unique_ptr<ZipPictureArchive>> archives;
    std::unique_ptr<ZipPictureArchive>& archive = archives[pictures];
    if (!archive) {
        archive = std::make_unique<ZipPictureArchive>();
        archive->Open(ArchiveOf(pictures, Data().filePath(QString::asprintf("steps%d.zip", pictures))));
    }
    return *archive;
}

// One pass through every picture per iteration; the time per step is what counts.
void BM_StepForward(benchmark::State& state)
{
    ZipPictureArchive& archive = ArchiveOpen(int(state.range(0)));
    for (auto _ : state) {
        archive.GoToFirstPicture();
        while (archive.GoToNextPicture()) {
        }
    }
    state.SetItemsProcessed(state.iterations() * (state.range(0) - 1));
}
BENCHMARK(BM_StepForward)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_StepBack(benchmark::State& state)
{
    ZipPictureArchive& archive = ArchiveOpen(int(state.range(0)));
    for (auto _ : state) {
        archive.GoToPicture(int(state.range(0)));
        while (archive.GoToPreviousPicture()) {
        }
    }
    state.SetItemsProcessed(state.iterations() * (state.range(0) - 1));
}
BENCHMARK(BM_StepBack)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);

// The least a scan can do: list the folder and read every archive's central directory.
void BM_BareCentralDirectoryWalk(benchmark::State& state)
{
    const QString folder = PictureFolder();
    for (auto _ : state) {
        int members = 0;
        for (const QString& name : QDir(folder).entryList(QDir::Files)) {
            if (!name.endsWith(".zip"))
                continue;
            unzFile archive = unzOpen(QFile::encodeName(folder + '/' + name).constData());
            for (int status = unzGoToFirstFile(archive); status == UNZ_OK; status = unzGoToNextFile(archive)) {
                unz_file_info info;
                char memberName[260];
                unzGetCurrentFileInfo(archive, &info, memberName, sizeof memberName, nullptr, 0, nullptr, 0);
                ++members;
            }
            unzClose(archive);
        }
        benchmark::DoNotOptimize(members);
    }
}
BENCHMARK(BM_BareCentralDirectoryWalk)->Unit(benchmark::kMillisecond);

void BM_NewFolderScan(benchmark::State& state)
{
    const QString folder = PictureFolder();
    for (auto _ : state) {
        PictureFinder finder;
        finder.SetRoot(folder);
        finder.ClearFiles();
        for (const char* pattern : {"*.bmp", "*.gif", "*.jpg", "*.jpeg", "*.zip"})
            finder.AddFiles(QString::fromLatin1(pattern));
        benchmark::DoNotOptimize(finder.PickRandom(QString()));
    }
}
BENCHMARK(BM_NewFolderScan)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter({
        {"BM_JpegPuzzleLoad/process_time", "BM_DjpegFullDecode/manual_time", 1.0},
        {"BM_StepBack/500", "BM_StepForward/500", 2.0},
        {"BM_StepBack/5000", "BM_StepForward/5000", 2.0},
        {"BM_NewFolderScan", "BM_BareCentralDirectoryWalk", 1.5},
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    PrintGamePeakMemory(TwelveMegapixelJpeg(), Screen, 1.3);
    // A PNG has no scaled decoding: decoded whole once, then scaled once.
    PrintGamePeakMemory(TwelveMegapixelPicture("PNG", -1), Screen, 2.5);
    return 0;
}
