#pragma once

// How a hint request ended. Only Found carries a move.
enum class HintStatus {
    Found,
    Solved,       // nothing left to do
    Unsolvable,   // a slider arrangement that no slides can solve (two tiles were swapped)
    Invalid,      // not a position of this mode: wrong size, tiles missing or repeated
    Cancelled,    // stopped from outside before an answer was found
    OutOfBudget,  // a search with a node budget gave up there
};
