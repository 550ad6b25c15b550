#pragma once

#include "HintPosition.h"

#include <cstdint>
#include <vector>

// Every solvable 3 x 3 slider position's distance from solved, from one breadth-first search of
// all 181,440 of them (a few milliseconds, once per process). A shortest solution follows the
// table downhill, a neighbour one move nearer at each step.
class Distances3x3 {
public:
    static const Distances3x3& Get();

    // Moves to solved; -1 for a position that is not a solvable 3 x 3 slider position.
    int Distance(const HintPosition& position) const;
    // A shortest solution: the cell of each tile to slide, in turn. Empty when solved or unsolvable.
    std::vector<int> ShortestPath(HintPosition position) const;

private:
    Distances3x3();

    std::vector<std::uint8_t> distances_;  // by the arrangement's rank among all 9! of them
};
