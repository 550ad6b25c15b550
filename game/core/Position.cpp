#include "Position.h"

#include <algorithm>

Position::Position(int n, GameMode mode)
    : n_(std::clamp(n, MinN, MaxN)), mode_(mode), hole_{n_ - 1, n_ - 1}
{
}

Position Position::Solved(int n, GameMode mode)
{
    Position solved = Position(n, mode).WithEveryTileHome();
    if (mode == GameMode::Slider)
        solved.cells_[solved.n_ - 1][solved.n_ - 1] = Hole;
    return solved;
}

bool Position::Contains(Cell cell) const
{
    return cell.Column >= 0 && cell.Column < n_ && cell.Row >= 0 && cell.Row < n_;
}

Position Position::WithEveryTileHome() const
{
    Position whole = *this;
    for (int x = 0; x < n_; ++x)
        for (int y = 0; y < n_; ++y)
            whole.cells_[x][y] = static_cast<std::int8_t>(y * n_ + x);
    return whole;
}

Position Position::WithTile(Cell cell, int tile) const
{
    Position changed = *this;
    if (Contains(cell))
        changed.cells_[cell.Column][cell.Row] = static_cast<std::int8_t>(tile);
    return changed;
}

Position Position::WithHoleAt(Cell cell) const
{
    Position changed = *this;
    if (Contains(cell))
        changed.hole_ = cell;
    return changed;
}

bool IsSolved(const Position& position)
{
    const int n = position.N();
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            const bool holeCorner = x == n - 1 && y == n - 1;
            if (position.Mode() == GameMode::Slider && holeCorner)
                continue;
            if (position.At(x, y) != y * n + x)
                return false;
        }
    }
    return true;
}
