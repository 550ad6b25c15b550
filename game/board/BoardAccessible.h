#pragma once

#include "BoardReading.h"

class BoardView;

// Makes the board read as a table to screen readers: N rows of N cells, each named by its tile,
// selected while picked up for a swap, focused where the keyboard acts, and pressed as a click
// presses. Installed once, by the first board.
void InstallBoardAccessibility();

// Tells screen readers what changed on the board: the cells renamed or restated, the focus moved,
// or a board of another size or mode.
void TellBoardChanges(BoardView& board, const ReadingChanges& changes);
