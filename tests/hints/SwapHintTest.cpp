#include "SwapHint.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cstdint>
#include <numeric>
#include <random>
#include <unordered_map>

namespace {

HintPosition Solved3()
{
    HintPosition position{3, std::vector<int>(9)};
    std::iota(position.cells.begin(), position.cells.end(), 0);
    return position;
}

std::uint64_t Key(const std::vector<int>& cells)
{
    std::uint64_t key = 0;
    for (int tile : cells)
        key = key << 4 | static_cast<std::uint64_t>(tile);
    return key;
}

// Every 3 x 3 arrangement within `depth` swaps of solved, with its distance, by breadth-first search.
std::unordered_map<std::uint64_t, int> WithinSwaps(int depth)
{
    std::unordered_map<std::uint64_t, int> distance{{Key(Solved3().cells), 0}};
    std::vector<std::vector<int>> frontier{Solved3().cells};
    for (int d = 1; d <= depth; ++d) {
        std::vector<std::vector<int>> next;
        for (const auto& cells : frontier)
            for (int a = 0; a < 9; ++a)
                for (int b = a + 1; b < 9; ++b) {
                    std::vector<int> swapped = cells;
                    std::swap(swapped[a], swapped[b]);
                    if (distance.emplace(Key(swapped), d).second)
                        next.push_back(swapped);
                }
        frontier = std::move(next);
    }
    return distance;
}

} // namespace

TEST(SwapHint, CountsAndMovesAgreeWithBreadthFirstSearch)
{
    constexpr int Depth = 5;
    const auto distance = WithinSwaps(Depth);
    HintPosition position = Solved3();
    for (const auto& [key, swaps] : distance) {
        std::uint64_t rest = key;
        for (int cell = 8; cell >= 0; --cell, rest >>= 4)
            position.cells[cell] = static_cast<int>(rest & 15);
        const std::vector<int>& cells = position.cells;
        ASSERT_EQ(SwapsToGo(position), swaps);
        const SwapHint hint = FindSwapHint(position);
        if (swaps == 0) {
            EXPECT_EQ(hint.status, HintStatus::Solved);
            continue;
        }
        ASSERT_EQ(hint.status, HintStatus::Found);
        std::vector<int> after = cells;
        std::swap(after[hint.firstCell], after[hint.secondCell]);
        ASSERT_EQ(distance.at(Key(after)), swaps - 1);
        const bool pairExists = std::any_of(cells.begin(), cells.end(), [&](int tile) {
            return cells[tile] != tile && cells[cells[tile]] == tile;
        });
        const int homeAfter = (after[hint.firstCell] == hint.firstCell) + (after[hint.secondCell] == hint.secondCell);
        ASSERT_EQ(homeAfter, pairExists ? 2 : 1);
    }
    // Arrangements the search did not reach need more swaps.
    std::mt19937 random(7);
    for (int i = 0; i < 200; ++i) {
        std::shuffle(position.cells.begin(), position.cells.end(), random);
        if (!distance.count(Key(position.cells))) {
            EXPECT_GT(SwapsToGo(position), Depth);
        }
    }
}

TEST(SwapHint, RefusesWhatIsNoTileSwapBoard)
{
    const std::vector<HintPosition> bad = {
        {3, {0, 1, 2, 3, 4, 5, 6, 7}},
        {3, {0, 1, 2, 3, 4, 5, 6, 7, -1}},
        {3, {0, 1, 2, 3, 4, 5, 6, 7, 7}},
        {3, {0, 1, 2, 3, 4, 5, 6, 7, 9}},
        {2, {0, 1, 2, 3}},
    };
    for (const HintPosition& position : bad) {
        EXPECT_EQ(SwapsToGo(position), -1);
        EXPECT_EQ(FindSwapHint(position).status, HintStatus::Invalid);
    }
}
