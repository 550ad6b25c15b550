// What opening the statistics window costs in data: reading the history, the figures of every size
// and mode, and the latest times for the chart. With 100,000 games (years of daily play) it must be
// ready in well under a second; and a history grown to 50 MB of damage, long lines included, must
// cost no more than a good one.
#include "GameStatistics.h"
#include "HistoryStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

namespace {

QTemporaryDir& Folder()
{
    static QTemporaryDir folder;
    return folder;
}

QString HistoryOf100000Games()
{
    static const QString path = [] {
        const QString made = Folder().filePath("History.txt");
        std::mt19937 random(20261208);
        std::string text;
        for (int i = 0; i < 100000; ++i) {
            const int n = 3 + int(random() % 8);
            const auto mode = random() % 2 ? GameMode::Slider : GameMode::TileSwap;
            const int moves = 20 + int(random() % 400);
            text += RecordFormat::Line(GameRecord{"2026-12-08T07:15:02+01:00", n, mode, moves, moves + 30,
                                                  std::int64_t(30 + random() % 900), int(random() % 3),
                                                  moves, i % 7 ? "" : "2026-12-08", "Built-in picture"});
        }
        QFile file(made);
        if (file.open(QIODevice::WriteOnly))
            file.write(text.data(), qint64(text.size()));
        return made;
    }();
    return path;
}

QString DamagedHistoryOf50MB()
{
    static const QString path = [] {
        const QString made = Folder().filePath("Damaged.txt");
        std::mt19937 random(7);
        QByteArray junk(50 * 1024 * 1024, Qt::Uninitialized);
        for (char& byte : junk)
            byte = char(random());
        // A line of a megabyte, then binary junk with its occasional newlines.
        junk.replace(1000, 1024 * 1024, QByteArray(1024 * 1024, 'x'));
        QFile file(made);
        if (file.open(QIODevice::WriteOnly))
            file.write(junk);
        return made;
    }();
    return path;
}

void WindowData(benchmark::State& state, const QString& path)
{
    const HistoryStore store(path);
    for (auto _ : state) {
        const History history = store.Load();
        const std::vector<GroupStatistics> figures = Statistics(history.Records);
        benchmark::DoNotOptimize(figures.data());
        benchmark::DoNotOptimize(LatestTimes(history.Records, 4, GameMode::Slider, 50));
        state.counters["records"] = double(history.Records.size());
        state.counters["skipped"] = double(history.SkippedLines);
    }
}

void BM_StatisticsWindowData_100000Games(benchmark::State& state)
{
    WindowData(state, HistoryOf100000Games());
}

void BM_StatisticsWindowData_50MBDamaged(benchmark::State& state)
{
    WindowData(state, DamagedHistoryOf50MB());
}

} // namespace

// Wall time: reading the file is part of what the player waits for.
BENCHMARK(BM_StatisticsWindowData_100000Games)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StatisticsWindowData_50MBDamaged)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
