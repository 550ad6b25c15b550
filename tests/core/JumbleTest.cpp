#include "CoreFakes.h"
#include "GameSession.h"
#include "Jumble.h"

#include <gtest/gtest.h>
#include <set>

namespace {

TEST(Jumble, EverySizeDealsEachTileOnceAndTheSliderKeepsItsHoleBottomRight)
{
    CLibraryRandom random;
    random.Seed(7);
    for (int n = Position::MinN; n <= Position::MaxN; ++n) {
        const std::vector<int> swap = InUseCells(Jumble(n, GameMode::TileSwap, random));
        EXPECT_EQ(std::set<int>(swap.begin(), swap.end()).size(), size_t(n * n)) << n;
        EXPECT_EQ(*std::min_element(swap.begin(), swap.end()), 0) << n;
        EXPECT_EQ(*std::max_element(swap.begin(), swap.end()), n * n - 1) << n;

        const Position slider = Jumble(n, GameMode::Slider, random);
        EXPECT_EQ(slider.HoleCell(), (Cell{n - 1, n - 1})) << n;
        EXPECT_TRUE(slider.HasHole()) << n;
        const std::vector<int> cells = InUseCells(slider);
        const std::set<int> distinct(cells.begin(), cells.end());
        EXPECT_EQ(distinct.size(), size_t(n * n)) << n;
        EXPECT_EQ(*distinct.rbegin(), n * n - 2) << "tile n*n-1 was taken away, N = " << n;

        // Reached by legal slides with the hole back in its corner: an even permutation.
        std::vector<int> tiles;
        for (int row = 0; row < n; ++row)
            for (int column = 0; column < n; ++column)
                if (slider.At(column, row) != Position::Hole)
                    tiles.push_back(slider.At(column, row));
        int inversions = 0;
        for (size_t i = 0; i < tiles.size(); ++i)
            for (size_t j = i + 1; j < tiles.size(); ++j)
                inversions += tiles[i] > tiles[j];
        EXPECT_EQ(inversions % 2, 0) << n;
    }
}

TEST(Jumble, DealsExactlyTheDrawnNumbers)
{
    // Column by column, r % 9, a tile already dealt drawn again: 9 and 18 repeat tile 0.
    ScriptedRandom random({0, 9, 18, 4, 2, 1, 3, 8, 7, 6, 5});
    EXPECT_EQ(InUseCells(Jumble(3, GameMode::TileSwap, random)),
              (std::vector<int>{0, 4, 2, 1, 3, 8, 7, 6, 5}));

    // Direction then cell, ten thousand times; then two closing slides that draw nothing.
    ScriptedRandom slides({0, 0, 1, 0});  // up the column to row 0, then along the row to 0
    const Position slid = Jumble(3, GameMode::Slider, slides);
    EXPECT_EQ(slides.draws, 2 * SliderJumbleSteps);
    EXPECT_TRUE(slides.seeds.empty()) << "the caller seeds";
    EXPECT_EQ(slid.HoleCell(), (Cell{2, 2}));
}

TEST(Jumble, EachJumbleIsSeededFromTheClockSoOneSecondDealsOneBoard)
{
    FakeClock clock;
    CLibraryRandom random;
    GameSession session(clock, random);
    for (GameMode mode : {GameMode::TileSwap, GameMode::Slider}) {
        session.StartGame(StartRoute::Jumble, 6, mode);
        const Position first = session.Current();
        session.Arrange(Position::Solved(6, mode).WithHoleAt({2, 3}));
        session.StartGame(StartRoute::New, 6, mode);
        EXPECT_EQ(session.Current(), first) << "whatever it started from";
        clock.now += 1;
        session.StartGame(StartRoute::Jumble, 6, mode);
        EXPECT_NE(session.Current(), first) << "the next second deals anew";
    }
    ScriptedRandom recorded({0, 1, 2, 3, 4, 5, 6, 7, 8});
    GameSession counted(clock, recorded);
    counted.StartGame(StartRoute::New, 3, GameMode::TileSwap);
    EXPECT_EQ(recorded.seeds, (std::vector<unsigned>{1002, 1002})) << "New jumbles twice";
    counted.StartGame(StartRoute::Open, 3, GameMode::TileSwap);
    EXPECT_EQ(recorded.seeds.size(), 3u) << "Open jumbles once";
}

} // namespace
