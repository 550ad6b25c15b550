// What slider hints cost, in processor time (the machine is shared, and wall time follows its
// load). The 4 x 4 positions are shuffles with their parity mended, so every solvable arrangement
// is equally likely, as after the game's jumble of 10,000 random slides: about 52 moves from solved
// on average. Each is searched over the pattern tables, built beforehand, with the plain sums only
// (the reference) and then with their mirror images as well, as the game does; the second run also
// checks that every path solves its position in as many moves as the first found, so both are
// shortest. Figures per position: median, 99th percentile and worst. The 3 x 3 and the large
// board's good hint are timed the same way, one hint at a time.
#include "Distances3x3.h"
#include "PatternSearch.h"
#include "ShortestTables.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <numeric>
#include <random>

namespace {

constexpr int Positions = 200;

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

std::vector<HintPosition> RandomPositions(int n, int count, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<HintPosition> made;
    for (int i = 0; i < count; ++i)
        made.push_back(RandomSolvable(n, random));
    return made;
}

const std::vector<HintPosition>& Positions4x4()
{
    static const std::vector<HintPosition> positions = RandomPositions(4, Positions, 20261208);
    return positions;
}

const PatternLookup& Tables()
{
    static const PatternLookup tables = *PatternLookup::From(*PatternTables::Build());
    return tables;
}

bool Solves(HintPosition position, const SlideHint& hint)
{
    for (int cell : hint.path) {
        if (!AreNeighbours(position.n, cell, position.HoleCell()))
            return false;
        SlideIntoHole(position, cell);
    }
    return IsSolvedSlider(position) && static_cast<int>(hint.path.size()) == hint.movesToGo;
}

// Median, 99th percentile and worst of `seconds`, in milliseconds.
void CountTimes(benchmark::State& state, std::vector<double> seconds)
{
    std::sort(seconds.begin(), seconds.end());
    const std::size_t count = seconds.size();
    state.counters["median_ms"] = 1000 * (seconds[(count - 1) / 2] + seconds[count / 2]) / 2;
    state.counters["p99_ms"] = 1000 * seconds[(count * 99 + 99) / 100 - 1];
    state.counters["worst_ms"] = 1000 * seconds.back();
}

// Lengths found by the reference run, for the mirrored run to agree with.
std::vector<int>& PlainLengths()
{
    static std::vector<int> lengths;
    return lengths;
}

void BM_Shortest4x4(benchmark::State& state, bool mirrored)
{
    const PatternLookup& tables = Tables();
    ShortestSearch search;
    search.mirrored = mirrored;
    for (auto _ : state) {
        std::vector<double> seconds;
        std::vector<int> lengths;
        double nodes = 0;
        int shortest = 0;
        for (const HintPosition& position : Positions4x4()) {
            const double start = ProcessorSeconds();
            const SlideHint hint = SearchShortest4x4(position, tables, search);
            seconds.push_back(ProcessorSeconds() - start);
            nodes += static_cast<double>(hint.nodes);
            lengths.push_back(hint.movesToGo);
            const std::size_t i = lengths.size() - 1;
            shortest += hint.shortest && Solves(position, hint) &&
                        (PlainLengths().size() <= i || PlainLengths()[i] == hint.movesToGo);
        }
        if (!mirrored)
            PlainLengths() = lengths;
        CountTimes(state, seconds);
        state.counters["positions"] = static_cast<double>(seconds.size());
        state.counters["shortest"] = shortest;
        state.counters["mean_moves"] = std::accumulate(lengths.begin(), lengths.end(), 0.0) / lengths.size();
        state.counters["mean_knodes"] = nodes / lengths.size() / 1000;
    }
}
BENCHMARK_CAPTURE(BM_Shortest4x4, plain_sums, false)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_Shortest4x4, with_mirror_images, true)->Iterations(1)->Unit(benchmark::kSecond);

// What a fresh profile waits for once: the tables built, on two threads, and laid out for the
// search (processor time counts both threads; wall time is what a player waits).
void BM_BuildTables(benchmark::State& state)
{
    for (auto _ : state) {
        const double start = ProcessorSeconds();
        const auto wallStart = std::chrono::steady_clock::now();
        const std::optional<PatternLookup> built = LoadOrBuild({});
        state.counters["processor_s"] = ProcessorSeconds() - start;
        state.counters["wall_s"] = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        state.counters["memory_MB"] = static_cast<double>(built->MemoryBytes()) / (1 << 20);
    }
}
BENCHMARK(BM_BuildTables)->Iterations(1)->Unit(benchmark::kSecond);

// Every hint of the 3 x 3 walks its complete table; the table itself is made before the timing.
void BM_Shortest3x3(benchmark::State& state)
{
    Distances3x3::Get();
    std::vector<HintPosition> positions = RandomPositions(3, 2000, 3);
    positions.push_back({3, {7, 5, 6, 1, 4, 3, 2, -1, 0}});  // one of the two that need 31 moves
    for (auto _ : state) {
        std::vector<double> seconds;
        for (const HintPosition& position : positions) {
            const double start = ProcessorSeconds();
            benchmark::DoNotOptimize(FindShortestSlide(position));
            seconds.push_back(ProcessorSeconds() - start);
        }
        CountTimes(state, seconds);
    }
}
BENCHMARK(BM_Shortest3x3)->Iterations(1)->Unit(benchmark::kMillisecond);

// The first hint on a 10 x 10 board plans the whole good solution; it ends on the 3 x 3 table,
// made before the timing as in the game after its first hint.
void BM_GoodHint10x10(benchmark::State& state)
{
    Distances3x3::Get();
    const std::vector<HintPosition> positions = RandomPositions(10, 20, 7);
    for (auto _ : state) {
        std::vector<double> seconds;
        for (const HintPosition& position : positions) {
            const double start = ProcessorSeconds();
            benchmark::DoNotOptimize(FindGoodSlide(position));
            seconds.push_back(ProcessorSeconds() - start);
        }
        CountTimes(state, seconds);
    }
}
BENCHMARK(BM_GoodHint10x10)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
