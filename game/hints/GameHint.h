#pragma once

#include "Position.h"
#include "SlideHint.h"
#include "SwapHint.h"

#include <vector>

// The game's positions as the hint solvers see them, and their answers as the game's cells.
HintPosition HintPositionOf(const Position& position);
Cell CellOfIndex(int index, int n);

// The cells a hint points at: the two tiles of a swap, or the tile and the hole of a slide.
// Empty when the answer has no move.
std::vector<Cell> HintCells(const SwapHint& hint, int n);
std::vector<Cell> HintCells(const SlideHint& hint, int n);
