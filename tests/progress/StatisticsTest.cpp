#include "GameStatistics.h"
#include "HistoryCsv.h"

#include <gtest/gtest.h>

namespace {

GameRecord Game(int n, GameMode mode, int moves, std::int64_t seconds, int hints = 0, int tiles = 0,
                std::optional<int> fewest = {}, std::string picture = "Built-in")
{
    return GameRecord{"2026-12-08T07:15:02Z", n, mode, moves, tiles, seconds, hints, fewest, "", std::move(picture)};
}

} // namespace

TEST(GameStatistics, FiguresPerSizeAndMode)
{
    std::vector<GameRecord> records;
    // Twelve 3 x 3 sliders taking 10, 20, ..., 120 seconds; the fastest was played with a hint.
    for (int i = 1; i <= 12; ++i)
        records.push_back(Game(3, GameMode::Slider, 30 + i, 10 * i, i == 1 ? 1 : 0, 20 + i, i <= 2 ? std::optional(20) : std::nullopt));
    records.push_back(Game(5, GameMode::TileSwap, 9, 300));
    records.push_back(Game(5, GameMode::TileSwap, 12, 200));
    records.push_back(Game(5, GameMode::Slider, 80, 500, 0, 90, 60));  // no shortest length for 5 x 5

    const std::vector<GroupStatistics> figures = Statistics(records);
    ASSERT_EQ(figures.size(), 3u);
    EXPECT_EQ(figures[0].N, 5);
    EXPECT_EQ(figures[0].Mode, GameMode::TileSwap);
    EXPECT_EQ(figures[0].Games, 2);
    EXPECT_EQ(figures[0].BestSeconds, 200);
    EXPECT_EQ(figures[0].BestMoves, 9);
    EXPECT_FALSE(figures[0].MeanOfLast5);
    EXPECT_FALSE(figures[0].TilesOverFewest);

    const GroupStatistics& small = figures[1];
    EXPECT_EQ(small.N, 3);
    EXPECT_EQ(small.Games, 12);
    EXPECT_EQ(small.BestSeconds, 20);
    EXPECT_EQ(small.BestMoves, 32);
    EXPECT_DOUBLE_EQ(*small.MeanOfLast5, 100.0);
    EXPECT_DOUBLE_EQ(*small.MeanOfLast12, 65.0);
    EXPECT_DOUBLE_EQ(*small.TilesOverFewest, (21.0 / 20 + 22.0 / 20) / 2);

    EXPECT_EQ(figures[2].N, 5);
    EXPECT_FALSE(figures[2].TilesOverFewest);

    EXPECT_EQ(LatestTimes(records, 3, GameMode::Slider, 3), (std::vector<std::int64_t>{100, 110, 120}));
    EXPECT_EQ(LatestTimes(records, 5, GameMode::TileSwap, 50), (std::vector<std::int64_t>{300, 200}));
}

TEST(HistoryCsv, QuotesWhatMustBeQuotedAndDisarmsFormulas)
{
    const std::string csv = HistoryCsv({Game(4, GameMode::Slider, 40, 72, 0, 63, 48, "a \"b\", c"),
                                        Game(3, GameMode::TileSwap, 5, 9, 2, 10, {}, "=HYPERLINK(x)")});
    EXPECT_EQ(csv,
              "date_time,size,mode,moves,tiles_moved,seconds,hints,fewest_tile_moves,daily,picture\r\n"
              "2026-12-08T07:15:02Z,4,slider,40,63,72,0,48,,\"a \"\"b\"\", c\"\r\n"
              "2026-12-08T07:15:02Z,3,swap,5,10,9,2,,,'=HYPERLINK(x)\r\n");
}
