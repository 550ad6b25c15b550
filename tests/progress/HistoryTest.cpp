#include "HistoryRecorder.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

namespace {

GameRecord Sample()
{
    return GameRecord{"2026-12-08T07:15:02+01:00", 4, GameMode::Slider, 40, 63, 72, 1, 48, "2026-12-08",
                      "Tab\there\\back\nline"};
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void AppendRaw(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(bytes);
}

} // namespace

TEST(RecordFormat, ALineReadsBackAsTheRecordAndLaterFieldsAreIgnored)
{
    GameRecord swap = Sample();
    swap.Mode = GameMode::TileSwap;
    swap.Fewest.reset();
    swap.DailyDate.clear();
    swap.When = "2026-01-31T23:59:59Z";
    for (const GameRecord& record : {Sample(), swap}) {
        std::string line = RecordFormat::Line(record);
        ASSERT_EQ(line.back(), '\n');
        line.pop_back();
        EXPECT_EQ(RecordFormat::Parse(line), record) << line;
        EXPECT_EQ(RecordFormat::Parse(line + "\tadded later\t7"), record);
    }
}

TEST(RecordFormat, DamagedOrForeignLinesAreRefused)
{
    std::string good = RecordFormat::Line(Sample());
    good.pop_back();
    const auto with = [&](int field, const std::string& value) {
        std::vector<std::string> fields;
        size_t start = 0;
        for (size_t tab; (tab = good.find('\t', start)) != std::string::npos; start = tab + 1)
            fields.push_back(good.substr(start, tab - start));
        fields.push_back(good.substr(start));
        fields[field] = value;
        std::string line;
        for (const std::string& f : fields)
            line += (line.empty() ? "" : "\t") + f;
        return line;
    };
    for (const std::string& line :
         {std::string(), std::string("G1"), good.substr(0, good.rfind('\t')), with(0, "G2"),
          with(1, "2026-02-30T07:15:02Z"), with(1, "2026-12-08 07:15:02Z"), with(1, "2026-12-08T07:15:02+0100"),
          with(2, "11"), with(2, "2"), with(3, "slide"), with(4, "-1"), with(5, "x"), with(6, "99999999999999999999"), with(6, "9000000000000000000"),
          with(7, ""), with(8, "4 8"), with(9, "2026-13-01"), with(10, "bad\\qescape"), with(10, "trailing\\")})
        EXPECT_FALSE(RecordFormat::Parse(line)) << line;
}

TEST(HistoryStore, KeepsEveryRecordAndSkipsDamageWithoutLosingIt)
{
    QTemporaryDir dir;
    const HistoryStore store(dir.filePath("deep/folder/History.txt"));
    EXPECT_TRUE(store.Load().Records.empty());
    ASSERT_TRUE(store.Append(Sample()));
    AppendRaw(store.Path(), QByteArray("\x00\xff junk\n", 8) + "G1\tforeign\n" + QByteArray(1 << 20, 'x') + "\nG1\tcut by a cra");
    GameRecord second = Sample();
    second.Moves = 41;
    ASSERT_TRUE(store.Append(second));

    const History history = store.Load();
    EXPECT_EQ(history.Records, (std::vector<GameRecord>{Sample(), second}));
    EXPECT_EQ(history.SkippedLines, 4);
    EXPECT_FALSE(history.Truncated);
    EXPECT_TRUE(Contents(store.Path()).startsWith("# Tilora game history"));
    EXPECT_TRUE(Contents(store.Path()).contains("\nG1\tcut by a cra\nG1\t"));
}

TEST(HistoryStore, AHugeFileIsReadOnlyAtItsEndAndALineBeingWrittenIsLeftForLater)
{
    QTemporaryDir dir;
    const HistoryStore store(dir.filePath("History.txt"));
    AppendRaw(store.Path(), QByteArray(HistoryStore::MaxReadBytes + 1000, '\n'));
    ASSERT_TRUE(store.Append(Sample()));
    AppendRaw(store.Path(), "G1\t2026");
    const History history = store.Load();
    EXPECT_TRUE(history.Truncated);
    EXPECT_EQ(history.Records, std::vector<GameRecord>{Sample()});
    EXPECT_EQ(history.SkippedLines, 0);
}

TEST(HistoryStore, GamesFinishingTogetherNeverInterleaveTheirLines)
{
    QTemporaryDir dir;
    const HistoryStore store(dir.filePath("History.txt"));
    GameRecord big = Sample();
    big.Picture = std::string(3000, 'p');
    std::vector<std::thread> games;
    for (int game = 0; game < 4; ++game)
        games.emplace_back([&] {
            for (int i = 0; i < 50; ++i)
                store.Append(big);
        });
    for (std::thread& game : games)
        game.join();
    const History history = store.Load();
    EXPECT_EQ(history.Records.size(), 200u);
    EXPECT_EQ(history.SkippedLines, 0);
}

TEST(HistoryStore, APlantedLinkOrFifoIsNeitherFollowedNorWaitedOn)
{
    QTemporaryDir dir;
    const QString victim = dir.filePath("victim");
    AppendRaw(victim, "keep\n");
    const HistoryStore linked(dir.filePath("linked.txt"));
    ASSERT_TRUE(QFile::link(victim, linked.Path()));
    EXPECT_FALSE(linked.Append(Sample()));
    EXPECT_EQ(Contents(victim), "keep\n");

    const HistoryStore fifo(dir.filePath("fifo.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo.Path()).constData(), 0600), 0);
    EXPECT_FALSE(fifo.Append(Sample()));
    EXPECT_TRUE(fifo.Load().Records.empty());
}

TEST(HistoryRecorder, RecordsTheFinishedGameMarkedDailyOnlyForTheDailyGame)
{
    QTemporaryDir dir;
    HistoryRecorder recorder(HistoryStore(dir.filePath("History.txt")));
    const FinishedGame game{GameResult{1, 4, 72, 40, true}, 1796800000, 63, 2, 48, "Built-in picture"};
    recorder.BeginDaily(std::chrono::year_month_day(std::chrono::year(2026), std::chrono::month(12), std::chrono::day(8)));
    bool written = false;
    const GameRecord daily = recorder.Record(game, &written);
    EXPECT_TRUE(written);
    EXPECT_EQ(daily.DailyDate, "2026-12-08");
    EXPECT_EQ(daily.TilesMoved, 63);
    recorder.BeginOther();
    const GameRecord other = recorder.Record(game);
    EXPECT_EQ(other.DailyDate, "");
    EXPECT_EQ(recorder.Store().Load().Records, (std::vector<GameRecord>{daily, other}));
}
