#include "BoardGeometry.h"

std::optional<Cell> CellAtPixel(int x, int y, int width, int height, int n)
{
    if (n <= 0)
        return std::nullopt;
    const int tw = width / n;
    const int th = height / n;
    if (tw <= 0 || th <= 0 || x < 0 || y < 0 || x >= n * tw || y >= n * th)
        return std::nullopt;
    return Cell{x / tw, y / th};
}

namespace {

Direction Opposite(Direction direction)
{
    switch (direction) {
    case Direction::Left: return Direction::Right;
    case Direction::Right: return Direction::Left;
    case Direction::Up: return Direction::Down;
    case Direction::Down: break;
    }
    return Direction::Up;
}

} // namespace

std::optional<Cell> Neighbour(const Position& position, Cell cell, Direction direction)
{
    const int dx = direction == Direction::Left ? -1 : direction == Direction::Right ? 1 : 0;
    const int dy = direction == Direction::Up ? -1 : direction == Direction::Down ? 1 : 0;
    const Cell next{cell.Column + dx, cell.Row + dy};
    if (!position.Contains(next))
        return std::nullopt;
    return next;
}

std::optional<Cell> SlidingInto(const Position& position, Direction direction)
{
    if (!position.HasHole())
        return std::nullopt;
    return Neighbour(position, position.HoleCell(), Opposite(direction));
}
