// What a 4 x 4 slider hint costs: the shortest search on 50 fixed random positions, with and
// without linear conflicts, in the same run; median and worst per position as counters, in
// processor time, since the machine is shared and wall time follows its load. The positions are
// shuffles with their parity mended, so every solvable arrangement is equally likely, as after the
// game's jumble of 10,000 random slides: about 52 moves from solved on average, far harder than
// positions a short random walk away. The search without linear conflicts gives up at 400 million
// nodes (about ten seconds), so that the run stays within minutes: its worst time is then a lower
// bound, and `gave_up` says how often. A large board's good solution is timed beside them.
#include "SlideHint.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <ctime>
#include <limits>
#include <numeric>
#include <random>

namespace {

double ProcessorSeconds()
{
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

HintPosition RandomSolvable(int n, std::mt19937& random)
{
    HintPosition position{n, std::vector<int>(n * n)};
    std::iota(position.cells.begin(), position.cells.end(), 0);
    position.cells.back() = HintPosition::Hole;
    do
        std::shuffle(position.cells.begin(), position.cells.end(), random);
    while (!IsSolvableSlider(position));
    return position;
}

const std::vector<HintPosition>& Positions4x4()
{
    static const std::vector<HintPosition> positions = [] {
        std::mt19937 random(20261208);
        std::vector<HintPosition> made;
        for (int i = 0; i < 50; ++i)
            made.push_back(RandomSolvable(4, random));
        return made;
    }();
    return positions;
}

void BM_Hint4x4(benchmark::State& state, bool linearConflicts, std::uint64_t nodeBudget)
{
    ShortestSearch search;
    search.nodeBudget = nodeBudget;
    search.linearConflicts = linearConflicts;
    for (auto _ : state) {
        std::vector<double> seconds;
        std::uint64_t nodes = 0;
        int moves = 0, overBudget = 0, gaveUp = 0;
        for (const HintPosition& position : Positions4x4()) {
            const double start = ProcessorSeconds();
            const SlideHint hint = FindShortestSlide(position, search);
            seconds.push_back(ProcessorSeconds() - start);
            nodes += hint.nodes;
            moves += hint.movesToGo;
            overBudget += hint.nodes > ShortestSearch::DefaultNodeBudget;
            gaveUp += hint.status == HintStatus::OutOfBudget;
        }
        const double total = std::accumulate(seconds.begin(), seconds.end(), 0.0);
        std::sort(seconds.begin(), seconds.end());
        const double count = static_cast<double>(seconds.size());
        state.counters["median_ms"] = 1000 * (seconds[seconds.size() / 2 - 1] + seconds[seconds.size() / 2]) / 2;
        state.counters["worst_ms"] = 1000 * seconds.back();
        state.counters["mean_moves"] = moves / (count - gaveUp);
        state.counters["Mnodes_per_s"] = static_cast<double>(nodes) / total / 1e6;
        state.counters["mean_Mnodes"] = static_cast<double>(nodes) / count / 1e6;
        state.counters["over_budget"] = overBudget;
        state.counters["gave_up"] = gaveUp;
    }
}
BENCHMARK_CAPTURE(BM_Hint4x4, linear_conflicts, true, std::numeric_limits<std::uint64_t>::max())
    ->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_Hint4x4, manhattan_only, false, 400'000'000)->Iterations(1)->Unit(benchmark::kSecond);

// The first hint on a 10 x 10 board plans the whole good solution.
void BM_GoodHint10x10(benchmark::State& state)
{
    std::mt19937 random(7);
    std::vector<HintPosition> positions;
    for (int i = 0; i < 8; ++i)
        positions.push_back(RandomSolvable(10, random));
    std::size_t next = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(FindGoodSlide(positions[next++ % positions.size()]));
}
BENCHMARK(BM_GoodHint10x10)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
