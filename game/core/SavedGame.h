#pragma once

#include "Position.h"

#include <optional>
#include <string>
#include <vector>

// A game in play kept from one run to the next, as the plain values the profile stores. Read back,
// every value is checked: an edited or damaged record must never become a broken game.
struct SavedGame {
    std::string Picture;  // the picture file or archive; empty for the built-in picture
    int ZipIndex = 1;     // the picture's number within an archive
    int N = 0;
    int Mode = 0;         // as the PuzzleMode setting: 0 tile swap, 1 slider
    std::string Cells;    // CellsText of the position
    int Moves = 0;
    long Elapsed = 0;     // seconds played
    bool Hints = false;   // a hint was shown
    int TilesMoved = -1;  // single tiles moved so far; negative when not kept
    int Fewest = -1;      // the fewest moves from the game's start, as the finish note counts them; negative: unknown
};

// Whether slides can solve an n x n arrangement given row by row, the hole as -1.
bool SlidesCanSolve(const std::vector<int>& cells, int n);
// The position of an arrangement given row by row (each tile once, in slider mode the hole as -1).
Position PositionOfCells(const std::vector<int>& cells, int n, GameMode mode);

// The tile of each cell, row by row, as numbers with a space between; the hole is -1.
std::string CellsText(const Position& position);

// The position of a record whose every value is sound, else nothing. Sound: N within the limits,
// a known mode, a picture number from 1, no negative count or time, and cells that hold exactly
// N x N numbers making a position of the mode (each tile once; in slider mode one hole, and an
// arrangement that slides can solve), not already solved.
std::optional<Position> RestoredPosition(const SavedGame& saved);
