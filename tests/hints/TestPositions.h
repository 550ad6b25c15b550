#pragma once

#include "HintPosition.h"
#include "PatternLookup.h"

#include <cstdint>
#include <functional>
#include <random>
#include <unordered_map>

HintPosition Solved(int n);
// A random arrangement of the tiles and the hole that slides can solve.
HintPosition RandomSolvable(int n, std::mt19937& random);
// A 4 x 4 position whose published shortest solution takes 57 moves: a search of millions of nodes.
HintPosition Published57();
// The process's 4 x 4 tables, kept in the build folder between test runs.
const PatternLookup& SharedTables();
// Plays the path, failing the test on any move that is not a tile next to the hole.
HintPosition Play(HintPosition position, const std::vector<int>& path);

// Every position within `depth` steps of `start`, with its distance, by breadth-first search;
// `step` lists the positions one step from a given one.
struct Reached {
    std::vector<HintPosition> positions;
    std::unordered_map<std::uint64_t, int> distance;
    int DistanceOf(const HintPosition& position) const;
};
Reached BreadthFirst(const HintPosition& start, int depth,
                     const std::function<std::vector<HintPosition>(const HintPosition&)>& step);
