#pragma once

#include "HintPosition.h"

#include <random>

HintPosition Solved(int n);
// A random arrangement of the tiles and the hole that slides can solve.
HintPosition RandomSolvable(int n, std::mt19937& random);
// A 4 x 4 position whose published shortest solution takes 57 moves: a search of millions of nodes.
HintPosition Published57();
// Plays the path, failing the test on any move that is not a tile next to the hole.
HintPosition Play(HintPosition position, const std::vector<int>& path);
