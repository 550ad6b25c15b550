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
    bool mirrored = true;  // off only to measure what the mirrored lookup saves
    std::stop_token stop;
};

// The first move of a shortest solution of a 3 x 3 or 4 x 4 slider position; other sizes are
// Invalid. A 4 x 4 is searched over the pattern tables (ShortestTables); until they are ready
// (a few seconds, once per profile) a search without them tries for about half a second, which
// answers most positions, and the rest wait for the tables.
SlideHint FindShortestSlide(const HintPosition& position, const ShortestSearch& search = {});

// The fewest single-tile moves that solve a 3 x 3 or 4 x 4 slider position: 0 when solved, -1
// when it cannot be solved, is of another size, or `stop` was requested first. Milliseconds once
// the tables are ready.
int ShortestLength(const HintPosition& position, std::stop_token stop = {});

// IDA* over the Manhattan distance plus linear conflicts (two tiles in their home line in the wrong
// order need two more moves), for 3 x 3 and 4 x 4: shortest, and needs no tables, but hard 4 x 4
// positions take it seconds, so it ends OutOfBudget after `nodeBudget` nodes.
SlideHint SearchWithoutTables(const HintPosition& position, std::uint64_t nodeBudget, std::stop_token stop = {});

// The first move of a good solution for any size: the top row and the left column are put in
// place tile by tile until a 3 x 3 remains, which is solved shortest. Always quick: tens of
// milliseconds at most, for a whole 10 x 10.
SlideHint FindGoodSlide(const HintPosition& position, std::stop_token stop = {});

// Shortest for 3 x 3 and 4 x 4, good for larger boards.
SlideHint FindSlideHint(const HintPosition& position, const ShortestSearch& search = {});

// The status of a position before any search: Found when there is something to search for.
HintStatus SlideStatus(const HintPosition& position);

// Fills in the first move and the count from the path.
SlideHint HintFromPath(const HintPosition& position, std::vector<int> path, bool shortest);
