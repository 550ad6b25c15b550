#pragma once

#include "Position.h"

#include <optional>

// One move of the player: a slide of the tile at a cell towards the hole (slider mode), or a swap
// of the tiles of two cells (tile-swap mode).
struct Move {
    enum class Kind { Slide, Swap };

    Kind Type = Kind::Slide;
    Cell At;     // the tile slid, or the first tile of a swap
    Cell Other;  // the second tile of a swap

    static Move Slide(Cell at) { return Move{Kind::Slide, at, at}; }
    static Move Swap(Cell first, Cell second) { return Move{Kind::Swap, first, second}; }
    bool operator==(const Move&) const = default;
};

// The position after the move, or nothing when the move is illegal there. A slide shifts every
// tile between the hole and its cell one cell towards the hole, however many; it needs a hole in
// line with the cell and not the hole itself. A swap takes any two different cells of a tile-swap
// board. Moves of the other mode, and cells off the board, are illegal.
std::optional<Position> Apply(const Position& position, const Move& move);

// The move that takes a position made by move from before back to before: a swap is its own
// reverse; a slide is reversed by sliding the tile in the cell that was the hole.
Move Reverse(const Move& move, const Position& before);
