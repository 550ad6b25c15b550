#include "PatternSearch.h"
#include "SlideHint.h"
#include "TestPositions.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <random>

namespace {

std::vector<HintPosition> Slides(const HintPosition& position)
{
    std::vector<HintPosition> moved;
    for (int cell = 0; cell < position.CellCount(); ++cell) {
        if (AreNeighbours(position.n, cell, position.HoleCell())) {
            moved.push_back(position);
            SlideIntoHole(moved.back(), cell);
        }
    }
    return moved;
}

} // namespace

TEST(ShortestSlide, MatchesBreadthFirstSearchOfTheWhole3x3Space)
{
    const Reached all = BreadthFirst(Solved(3), 40, Slides);
    ASSERT_EQ(all.positions.size(), 181440u);
    // The two positions known to need the most moves.
    const std::vector<HintPosition> hardest = {{3, {7, 5, 6, 1, 4, 3, 2, -1, 0}}, {3, {5, 3, 6, 7, 4, -1, 2, 1, 0}}};
    std::vector<HintPosition> sample = hardest;
    std::mt19937 random(3);
    for (int i = 0; i < 300; ++i)
        sample.push_back(RandomSolvable(3, random));
    for (const HintPosition& position : sample) {
        const int shortest = all.DistanceOf(position);
        const SlideHint hint = FindShortestSlide(position);
        ASSERT_EQ(hint.status, shortest == 0 ? HintStatus::Solved : HintStatus::Found);
        // A path as long as the shortest that ends solved is a shortest one, first move included.
        EXPECT_EQ(hint.movesToGo, shortest);
        EXPECT_EQ(ShortestLength(position), shortest);
        EXPECT_TRUE(IsSolvedSlider(Play(position, hint.path)));
    }
    for (const HintPosition& position : hardest)
        EXPECT_EQ(FindShortestSlide(position).movesToGo, 31);
}

TEST(ShortestSlide, Each4x4HintSolvesInItsCountAndItsMoveIsOneCloser)
{
    const PatternLookup& tables = SharedTables();
    std::vector<HintPosition> positions = {Published57()};
    std::mt19937 random(11);
    for (int i = 0; i < 6; ++i)
        positions.push_back(RandomSolvable(4, random));
    for (int i = 0; i < 6; ++i) {
        HintPosition near = Solved(4);
        for (int step = 0; step < 40; ++step) {
            const std::vector<HintPosition> next = Slides(near);
            near = next[random() % next.size()];
        }
        positions.push_back(near);
    }
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const HintPosition& position = positions[i];
        const SlideHint hint = FindShortestSlide(position);
        ASSERT_EQ(hint.status, HintStatus::Found) << i;
        EXPECT_TRUE(hint.shortest);
        EXPECT_EQ(static_cast<int>(hint.path.size()), hint.movesToGo);
        EXPECT_TRUE(IsSolvedSlider(Play(position, hint.path)));
        HintPosition moved = position;
        SlideIntoHole(moved, hint.tileCell);
        EXPECT_EQ(ShortestLength(moved), hint.movesToGo - 1) << i;
        // Each bound is a true lower bound, so every way of searching ends at the same length.
        ShortestSearch plainSums;
        plainSums.mirrored = false;
        EXPECT_EQ(SearchShortest4x4(position, tables, plainSums).movesToGo, hint.movesToGo) << i;
        if (i > 6) {
            EXPECT_EQ(SearchWithoutTables(position, UINT64_MAX).movesToGo, hint.movesToGo) << i;
        }
    }
    EXPECT_EQ(ShortestLength(positions.front()), 57);
}

TEST(SlideHint, RefusesBadAndUnsolvablePositionsWithoutSearching)
{
    HintPosition swappedPair = Solved(4);  // the two tiles before the hole swapped: no slides solve it
    std::swap(swappedPair.cells[13], swappedPair.cells[14]);
    HintPosition swappedLarge = Solved(7);
    std::swap(swappedLarge.cells[0], swappedLarge.cells[20]);
    HintPosition solvedWithHoleMoved = Solved(5);  // one slide away, so not swapped at all
    SlideIntoHole(solvedWithHoleMoved, 23);
    const struct {
        HintPosition position;
        HintStatus status;
    } cases[] = {
        {Solved(3), HintStatus::Solved},
        {Solved(10), HintStatus::Solved},
        {swappedPair, HintStatus::Unsolvable},
        {swappedLarge, HintStatus::Unsolvable},
        {solvedWithHoleMoved, HintStatus::Found},
        {{3, {0, 1, 2, 3, 4, 5, 6, 7, 8}}, HintStatus::Invalid},  // no hole: the board after "Solve for me"
        {{3, {0, 1, 2, 3, 4, 5, 6, -1, -1}}, HintStatus::Invalid}, {{3, {0, 1, 2, 3, 4, 5, 6, 6, -1}}, HintStatus::Invalid},
        {{3, {0, 1, 2, 3, 4, 5, 6, -1}}, HintStatus::Invalid}, {{11, std::vector<int>(121, 0)}, HintStatus::Invalid},
    };
    for (const auto& [position, status] : cases) {
        EXPECT_EQ(FindSlideHint(position).status, status) << position.n;
        EXPECT_EQ(FindGoodSlide(position).status, status);
    }
    EXPECT_EQ(FindSlideHint(solvedWithHoleMoved).tileCell, 24);
}

TEST(GoodSlide, SolvesRandomLargeBoardsToTheEnd)
{
    std::mt19937 random(5);
    for (int n = 4; n <= HintPosition::MaxN; ++n) {
        const HintPosition position = RandomSolvable(n, random);
        const SlideHint hint = FindGoodSlide(position);
        ASSERT_EQ(hint.status, HintStatus::Found);
        EXPECT_LE(hint.movesToGo, 3 * n * n * n) << n;
        EXPECT_TRUE(IsSolvedSlider(Play(position, hint.path))) << n;
    }
    // Asking again after each hinted move also ends: a plan made afresh may go another way than
    // the one before, but not much longer.
    HintPosition position = RandomSolvable(5, random);
    const int planned = FindGoodSlide(position).movesToGo;
    for (int move = 0; move < 2 * planned && !IsSolvedSlider(position); ++move)
        SlideIntoHole(position, FindGoodSlide(position).tileCell);
    EXPECT_TRUE(IsSolvedSlider(position));
}
