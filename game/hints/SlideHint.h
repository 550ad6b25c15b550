#pragma once

#include "HintPosition.h"
#include "HintStatus.h"

#include <cstdint>
#include <stop_token>
#include <vector>

// Hints count single-tile moves, as published solution lengths do. Each one is also a legal game
// move, though the game also lets one slide shift a whole line of tiles.
struct SlideHint {
    HintStatus status = HintStatus::Invalid;
    int tileCell = -1;         // the tile in this cell slides into the hole
    int holeCell = -1;
    int movesToGo = 0;         // single-tile moves in the solution found
    bool shortest = false;     // no solution has fewer moves
    std::vector<int> path;     // the whole solution: the cell of each tile to slide, in turn
    std::uint64_t nodes = 0;   // positions searched
};

struct ShortestSearch {
    // Under a second of one core here (about 48 million nodes a second with linear conflicts).
    static constexpr std::uint64_t DefaultNodeBudget = 40'000'000;

    std::uint64_t nodeBudget = DefaultNodeBudget;
    bool linearConflicts = true;  // off only to measure what they save
    std::stop_token stop;
};

// The first move of a shortest solution of a 3 x 3 or 4 x 4 slider position (IDA* over the
// Manhattan distance plus linear conflicts). Other sizes are Invalid.
SlideHint FindShortestSlide(const HintPosition& position, const ShortestSearch& search = {});

// The first move of a good solution for any size: the top row and the left column are put in
// place tile by tile until a 3 x 3 remains, which is solved shortest. Always quick: a fifth of a
// second at most, for the first lines of a 10 x 10.
SlideHint FindGoodSlide(const HintPosition& position, std::stop_token stop = {});

// Shortest for 3 x 3 and 4 x 4, good for larger boards and for a 4 x 4 that outruns the budget.
SlideHint FindSlideHint(const HintPosition& position, const ShortestSearch& search = {});

// The status of a position before any search: Found when there is something to search for.
HintStatus SlideStatus(const HintPosition& position);

// Fills in the first move and the count from the path.
SlideHint HintFromPath(const HintPosition& position, std::vector<int> path, bool shortest);
