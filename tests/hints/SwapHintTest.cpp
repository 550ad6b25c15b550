#include "SwapHint.h"
#include "TestPositions.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <numeric>
#include <random>

namespace {

std::vector<HintPosition> Swaps(const HintPosition& position)
{
    std::vector<HintPosition> swapped;
    for (int a = 0; a < position.CellCount(); ++a)
        for (int b = a + 1; b < position.CellCount(); ++b) {
            swapped.push_back(position);
            std::swap(swapped.back().cells[a], swapped.back().cells[b]);
        }
    return swapped;
}

} // namespace

TEST(SwapHint, CountsAndMovesAgreeWithBreadthFirstSearch)
{
    constexpr int Depth = 5;
    HintPosition solved{3, std::vector<int>(9)};
    std::iota(solved.cells.begin(), solved.cells.end(), 0);
    const Reached near = BreadthFirst(solved, Depth, Swaps);
    for (const HintPosition& position : near.positions) {
        const int swaps = near.DistanceOf(position);
        ASSERT_EQ(SwapsToGo(position), swaps);
        const SwapHint hint = FindSwapHint(position);
        if (swaps == 0) {
            EXPECT_EQ(hint.status, HintStatus::Solved);
            continue;
        }
        ASSERT_EQ(hint.status, HintStatus::Found);
        HintPosition after = position;
        std::swap(after.cells[hint.firstCell], after.cells[hint.secondCell]);
        ASSERT_EQ(near.DistanceOf(after), swaps - 1);
        const std::vector<int>& cells = position.cells;
        const bool pairExists =
            std::any_of(cells.begin(), cells.end(), [&](int t) { return cells[t] != t && cells[cells[t]] == t; });
        const int homeAfter = (after.cells[hint.firstCell] == hint.firstCell) +
                              (after.cells[hint.secondCell] == hint.secondCell);
        ASSERT_EQ(homeAfter, pairExists ? 2 : 1);
    }
    // Arrangements the search did not reach need more swaps.
    std::mt19937 random(7);
    for (int i = 0; i < 200; ++i) {
        HintPosition position = solved;
        std::shuffle(position.cells.begin(), position.cells.end(), random);
        if (near.DistanceOf(position) < 0) {
            EXPECT_GT(SwapsToGo(position), Depth);
        }
    }
}

TEST(SwapHint, RefusesWhatIsNoTileSwapBoard)
{
    const std::vector<HintPosition> bad = {{3, {0, 1, 2, 3, 4, 5, 6, 7}}, {3, {0, 1, 2, 3, 4, 5, 6, 7, -1}},
                                           {3, {0, 1, 2, 3, 4, 5, 6, 7, 7}}, {3, {0, 1, 2, 3, 4, 5, 6, 7, 9}},
                                           {2, {0, 1, 2, 3}}};
    for (const HintPosition& position : bad) {
        EXPECT_EQ(SwapsToGo(position), -1);
        EXPECT_EQ(FindSwapHint(position).status, HintStatus::Invalid);
    }
}
