#include "BoardReading.h"

#include <algorithm>

BoardReading::BoardReading(const Position& position, std::optional<Cell> selection,
                           std::optional<Cell> focus, const std::vector<Cell>& hinted)
    : n_(position.N()), mode_(position.Mode()), focus_(focus), selection_(selection)
{
    cells_.reserve(static_cast<std::size_t>(n_ * n_));
    for (int row = 0; row < n_; ++row) {
        for (int column = 0; column < n_; ++column) {
            const Cell cell{column, row};
            CellReading reading;
            reading.Tile = position.At(cell);
            reading.InPlace = reading.Tile != Position::Hole && reading.Tile % n_ == column
                              && reading.Tile / n_ == row;
            reading.Selected = selection == cell;
            reading.Focused = focus == cell;
            reading.Hinted = std::find(hinted.begin(), hinted.end(), cell) != hinted.end();
            cells_.push_back(reading);
        }
    }
}

bool BoardReading::Contains(Cell cell) const
{
    return cell.Column >= 0 && cell.Row >= 0 && cell.Column < n_ && cell.Row < n_;
}

CellReading BoardReading::At(Cell cell) const
{
    return Contains(cell) ? cells_[static_cast<std::size_t>(cell.Row * n_ + cell.Column)] : CellReading{};
}

QString BoardReading::Name(Cell cell) const
{
    const CellReading reading = At(cell);
    if (reading.Tile == Position::Hole)
        return tr("Empty");
    QString name = tr("Tile of row %1, column %2").arg(reading.Tile / n_ + 1).arg(reading.Tile % n_ + 1);
    if (reading.InPlace)
        name = tr("%1, in place").arg(name);
    if (reading.Hinted)
        name = tr("%1, hint").arg(name);
    return name;
}

QString BoardReading::Description() const
{
    if (mode_ == GameMode::Slider)
        return tr("Arrow keys slide a tile into the empty cell.");
    return tr("Arrow keys move, Space or Return picks up a tile and swaps it with the next one pressed.");
}

ReadingChanges CompareReadings(const BoardReading& before, const BoardReading& after)
{
    ReadingChanges changes;
    changes.Reshaped = before.N() != after.N() || before.Mode() != after.Mode();
    if (after.Focus() != before.Focus() || changes.Reshaped)
        changes.FocusMovedTo = after.Focus();
    if (changes.Reshaped)
        return changes;
    for (int row = 0; row < after.N(); ++row) {
        for (int column = 0; column < after.N(); ++column) {
            const Cell cell{column, row};
            const CellReading was = before.At(cell);
            const CellReading is = after.At(cell);
            if (was.Tile != is.Tile || was.Hinted != is.Hinted)
                changes.Renamed.push_back(cell);
            if (was.Selected != is.Selected)
                changes.Reselected.push_back(cell);
        }
    }
    return changes;
}
