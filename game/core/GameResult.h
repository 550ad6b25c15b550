#pragma once

// A finished game, as the end of play hands it to the congratulations dialog.
struct GameResult {
    int Mode = 0;      // the PuzzleMode setting: 0 tile swap, 1 slider; picks the scoreboard
    int N = 0;         // tiles per side
    long Elapsed = 0;  // seconds
    int Moves = 0;
    bool WithHints = false;  // a hint was shown during the game
};
