#pragma once

#include "Position.h"

#include <optional>

// The cell under board pixel (x, y) of a board width x height pixels cut into n x n tiles of
// width / n by height / n; nothing off the tiles (the strip a size not divisible by n leaves
// included) or before the board has a size.
std::optional<Cell> CellAtPixel(int x, int y, int width, int height, int n);
