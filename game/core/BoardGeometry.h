#pragma once

#include "Position.h"

#include <optional>

// The cell under board pixel (x, y) of a board width x height pixels cut into n x n tiles of
// width / n by height / n; nothing off the tiles (the strip a size not divisible by n leaves
// included) or before the board has a size.
std::optional<Cell> CellAtPixel(int x, int y, int width, int height, int n);

enum class Direction { Left, Right, Up, Down };

// The cell one step from cell in direction, or nothing off the board.
std::optional<Cell> Neighbour(const Position& position, Cell cell, Direction direction);

// The cell whose tile an arrow key slides into the hole: the one on the hole's far side, so the
// tile moves the way the arrow points. Nothing at the board's edge or without a hole.
std::optional<Cell> SlidingInto(const Position& position, Direction direction);
