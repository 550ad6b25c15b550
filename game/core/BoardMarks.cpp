#include "BoardMarks.h"

#include <algorithm>

std::optional<Cell> BoardMarks::Cursor(const Position& position) const
{
    if (!cursorShown_ || position.Mode() != GameMode::TileSwap)
        return std::nullopt;
    const int last = position.N() - 1;
    return Cell{std::min(cursor_.Column, last), std::min(cursor_.Row, last)};
}

bool BoardMarks::ShowCursor()
{
    const bool hidden = !cursorShown_;
    cursorShown_ = true;
    return hidden;
}

void BoardMarks::MoveCursor(const Position& position, Direction direction)
{
    if (const std::optional<Cell> at = Cursor(position))
        cursor_ = Neighbour(position, *at, direction).value_or(*at);
}

bool BoardMarks::HideCursor(std::optional<Cell> pressed)
{
    const bool shown = cursorShown_;
    cursorShown_ = false;
    if (pressed)
        cursor_ = *pressed;
    return shown;
}
