#pragma once

#include <array>
#include <cstdint>

enum class GameMode : int { TileSwap = 0, Slider = 1 };

struct Cell {
    int Column = 0;
    int Row = 0;
    bool operator==(const Cell&) const = default;
};

// One arrangement of the puzzle: N x N tiles in a mode, with the hole's cell. A value: cheap to
// copy and compared whole, so a history of positions costs little.
//
// Tile t's home is column t % N, row t / N; -1 is the hole. Only columns and rows 0..N-1 are in
// use. The hole cell means something only in slider mode, and after the program has solved a
// slider puzzle it names a cell that holds a tile (there is no hole then).
class Position {
public:
    static constexpr int MinN = 3;
    static constexpr int MaxN = 10;
    static constexpr int Hole = -1;

    // Every tile at home; in slider mode the bottom-right tile is taken away to make the hole.
    static Position Solved(int n, GameMode mode);

    int N() const { return n_; }
    GameMode Mode() const { return mode_; }
    int At(Cell cell) const { return cells_[cell.Column][cell.Row]; }
    int At(int column, int row) const { return cells_[column][row]; }
    Cell HoleCell() const { return hole_; }
    // A slider position whose hole cell really holds the hole.
    bool HasHole() const { return mode_ == GameMode::Slider && Contains(hole_) && At(hole_) == Hole; }
    bool Contains(Cell cell) const;

    // The same position with every tile at home, the bottom-right one included, and the hole
    // cell kept as it was: the picture shown whole.
    Position WithEveryTileHome() const;

    Position WithTile(Cell cell, int tile) const;
    Position WithHoleAt(Cell cell) const;

    bool operator==(const Position&) const = default;

private:
    Position(int n, GameMode mode);

    int n_;
    GameMode mode_;
    std::array<std::array<std::int8_t, MaxN>, MaxN> cells_{};
    Cell hole_;
};

// In slider mode the bottom-right cell is not examined, so a slider is solved with its hole
// there and also with every tile home.
bool IsSolved(const Position& position);
