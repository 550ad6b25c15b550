#include "HintRunner.h"
#include "TestPositions.h"

#include <atomic>
#include <future>
#include <gtest/gtest.h>

namespace {

SlideHint Await(HintRunner& runner, const HintPosition& position)
{
    std::promise<SlideHint> delivered;
    std::future<SlideHint> hint = delivered.get_future();
    runner.Start(position, [&](std::uint64_t, const SlideHint& found) { delivered.set_value(found); });
    return hint.get();
}

} // namespace

TEST(HintRunner, DeliversAHintAndFollowsItsOwnSolutionWithoutSearching)
{
    SharedTables();
    HintRunner runner;
    std::mt19937 random(2);
    const HintPosition position = RandomSolvable(4, random);
    const SlideHint first = Await(runner, position);
    ASSERT_EQ(first.status, HintStatus::Found);
    EXPECT_EQ(first.movesToGo, FindShortestSlide(position).movesToGo);
    EXPECT_GT(first.nodes, 0u);

    HintPosition moved = position;
    SlideIntoHole(moved, first.tileCell);
    const SlideHint next = Await(runner, moved);
    EXPECT_EQ(next.movesToGo, first.movesToGo - 1);
    EXPECT_EQ(next.tileCell, first.path[1]);
    EXPECT_EQ(next.nodes, 0u);
}

TEST(HintRunner, CancelledSearchesGiveNoHint)
{
    HintRunner runner;
    std::atomic<bool> delivered = false;
    runner.Start(Published57(), [&](std::uint64_t, const SlideHint&) { delivered = true; });
    runner.Cancel();
    EXPECT_FALSE(delivered);
    EXPECT_EQ(Await(runner, Solved(4)).status, HintStatus::Solved);

    std::stop_source stopped;
    stopped.request_stop();
    std::mt19937 random(4);
    EXPECT_EQ(FindGoodSlide(RandomSolvable(10, random), stopped.get_token()).status, HintStatus::Cancelled);
}
