#include "Move.h"

namespace {

std::optional<Position> ApplySlide(const Position& position, Cell at)
{
    if (!position.HasHole() || !position.Contains(at))
        return std::nullopt;
    const Cell hole = position.HoleCell();
    if (at == hole || (at.Column != hole.Column && at.Row != hole.Row))
        return std::nullopt;

    Position after = position;
    const bool alongColumn = at.Column == hole.Column;
    const int step = alongColumn ? (at.Row > hole.Row ? 1 : -1)
                                 : (at.Column > hole.Column ? 1 : -1);
    for (Cell cell = hole; cell != at;) {
        const Cell next = alongColumn ? Cell{cell.Column, cell.Row + step}
                                      : Cell{cell.Column + step, cell.Row};
        after = after.WithTile(cell, position.At(next));
        cell = next;
    }
    return after.WithTile(at, Position::Hole).WithHoleAt(at);
}

std::optional<Position> ApplySwap(const Position& position, Cell first, Cell second)
{
    if (position.Mode() != GameMode::TileSwap || !position.Contains(first)
        || !position.Contains(second) || first == second)
        return std::nullopt;
    return position.WithTile(first, position.At(second)).WithTile(second, position.At(first));
}

} // namespace

std::optional<Position> Apply(const Position& position, const Move& move)
{
    if (move.Type == Move::Kind::Slide)
        return ApplySlide(position, move.At);
    return ApplySwap(position, move.At, move.Other);
}

Move Reverse(const Move& move, const Position& before)
{
    if (move.Type == Move::Kind::Slide)
        return Move::Slide(before.HoleCell());
    return move;
}
