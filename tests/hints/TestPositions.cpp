#include "TestPositions.h"

#include "ShortestTables.h"
#include "TableFile.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>

HintPosition Solved(int n)
{
    HintPosition position{n, std::vector<int>(n * n)};
    std::iota(position.cells.begin(), position.cells.end(), 0);
    position.cells.back() = HintPosition::Hole;
    return position;
}

HintPosition RandomSolvable(int n, std::mt19937& random)
{
    HintPosition position = Solved(n);
    do
        std::shuffle(position.cells.begin(), position.cells.end(), random);
    while (!IsSolvableSlider(position));
    return position;
}

HintPosition Published57()
{
    // Its source puts the hole's home at the top left (0 there), so it is turned half a turn.
    const int published[16] = {14, 13, 15, 7, 11, 12, 9, 5, 6, 0, 2, 1, 4, 8, 10, 3};
    HintPosition turned{4, std::vector<int>(16)};
    for (int i = 0; i < 16; ++i)
        turned.cells[15 - i] = published[i] == 0 ? HintPosition::Hole : 15 - published[i];
    return turned;
}

const PatternLookup& SharedTables()
{
    ShortestTables::UseStore(TableFileStore(QStringLiteral(TILORA_TEST_TABLE_FILE)));
    return *ShortestTables::Wait();
}

HintPosition Play(HintPosition position, const std::vector<int>& path)
{
    for (int cell : path) {
        EXPECT_TRUE(AreNeighbours(position.n, cell, position.HoleCell()));
        SlideIntoHole(position, cell);
    }
    return position;
}

static std::uint64_t Key(const HintPosition& position)
{
    std::uint64_t key = 0;
    for (int tile : position.cells)
        key = key << 4 | static_cast<std::uint64_t>(tile + 1);
    return key;
}

int Reached::DistanceOf(const HintPosition& position) const
{
    const auto found = distance.find(Key(position));
    return found == distance.end() ? -1 : found->second;
}

Reached BreadthFirst(const HintPosition& start, int depth,
                     const std::function<std::vector<HintPosition>(const HintPosition&)>& step)
{
    Reached reached{{start}, {{Key(start), 0}}};
    for (std::size_t begin = 0, d = 1; d <= static_cast<std::size_t>(depth); ++d) {
        const std::size_t end = reached.positions.size();
        for (std::size_t i = begin; i < end; ++i)
            for (HintPosition& next : step(reached.positions[i]))
                if (reached.distance.emplace(Key(next), static_cast<int>(d)).second)
                    reached.positions.push_back(std::move(next));
        begin = end;
    }
    return reached;
}
