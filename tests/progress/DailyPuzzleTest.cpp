#include "DailyPuzzle.h"
#include "ProgressText.h"
#include "SavedGame.h"

#include <gtest/gtest.h>
#include <set>

using namespace std::chrono;

namespace {

std::vector<int> Cells(const Position& position)
{
    std::vector<int> cells;
    for (int row = 0; row < position.N(); ++row)
        for (int column = 0; column < position.N(); ++column)
            cells.push_back(position.At(column, row));
    return cells;
}

GameRecord Daily(const std::string& date)
{
    return GameRecord{date + "T09:00:00Z", 4, GameMode::Slider, 40, 63, 72, 0, 48, date, ""};
}

} // namespace

// Worked out by hand from the description in the header and README, by a separate program.
TEST(DailyPuzzle, FollowsTheDocumentedGeneratorDayByDay)
{
    const Position first = DailyPuzzle::PositionFor(2026y / December / 8);
    EXPECT_EQ(Cells(first), (std::vector<int>{1, 0, 3, 9, 6, 8, -1, 10, 2, 11, 4, 14, 7, 13, 12, 5}));
    EXPECT_EQ(first.HoleCell(), (Cell{2, 1}));
    EXPECT_TRUE(first.HasHole());
    EXPECT_EQ(DailyPuzzle::PositionFor(2026y / December / 8), first);
    EXPECT_EQ(Cells(DailyPuzzle::PositionFor(2026y / December / 9)),
              (std::vector<int>{7, 2, 4, 11, 8, 6, 5, 0, 3, 9, 14, 13, -1, 12, 10, 1}));
}

TEST(DailyPuzzle, EveryDayIsSolvableAndTheHoleGoesEverywhere)
{
    std::set<int> holeCells;
    for (sys_days day = sys_days(2026y / January / 1); day < sys_days(2027y / January / 1); day += days(1)) {
        const Position position = DailyPuzzle::PositionFor(year_month_day(day));
        EXPECT_TRUE(SlidesCanSolve(Cells(position), 4));
        EXPECT_FALSE(IsSolved(position));
        holeCells.insert(position.HoleCell().Row * 4 + position.HoleCell().Column);
    }
    EXPECT_EQ(holeCells.size(), 16u);
}

TEST(DailyPuzzle, StreakCountsDaysInARowUpToToday)
{
    const std::vector<GameRecord> records{Daily("2026-12-04"), Daily("2026-12-06"), Daily("2026-12-07"),
                                          Daily("2026-12-07"), Daily("2026-12-08")};
    EXPECT_EQ(DailyPuzzle::Streak(records, 2026y / December / 8), 3);
    EXPECT_EQ(DailyPuzzle::Streak(records, 2026y / December / 9), 3);
    EXPECT_EQ(DailyPuzzle::Streak(records, 2026y / December / 10), 0);
    EXPECT_EQ(DailyPuzzle::Streak({}, 2026y / December / 10), 0);
}

TEST(ProgressText, ShareLineAndClock)
{
    EXPECT_EQ(ProgressText::ShareLine(Daily("2026-12-08")), "Tilora daily 2026-12-08: 4 × 4, 63 tiles moved (fewest 48), 1:12");
    GameRecord unknown = Daily("2026-12-08");
    unknown.Fewest.reset();
    unknown.Seconds = 3723;
    EXPECT_EQ(ProgressText::ShareLine(unknown), "Tilora daily 2026-12-08: 4 × 4, 63 tiles moved, 1:02:03");
}
