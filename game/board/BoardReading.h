#pragma once

#include "Position.h"

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <vector>

// What a screen reader is told of one cell of the board.
struct CellReading {
    int Tile = Position::Hole;  // the tile there; Hole for the empty cell
    bool InPlace = false;       // the tile is in its home cell
    bool Selected = false;      // picked up for a swap
    bool Focused = false;       // where the keyboard acts, while the board has the focus
    bool Hinted = false;        // a hint is flashing over it
};

// The board as a screen reader reads it at one moment: N x N cells, each named by the tile it
// holds, which is named by that tile's home ("Tile of row 2, column 3").
class BoardReading {
    Q_DECLARE_TR_FUNCTIONS(BoardReading)
public:
    BoardReading() = default;
    // focus: the keyboard's cell while the board has the focus; hinted: the cells a hint is about.
    BoardReading(const Position& position, std::optional<Cell> selection, std::optional<Cell> focus,
                 const std::vector<Cell>& hinted);

    int N() const { return n_; }
    GameMode Mode() const { return mode_; }
    bool Contains(Cell cell) const;
    // A cell outside the board reads as an empty one.
    CellReading At(Cell cell) const;
    std::optional<Cell> Focus() const { return focus_; }
    std::optional<Cell> Selection() const { return selection_; }

    // "Tile of row 2, column 3", then ", in place" when it is home and ", hint" while a hint is
    // about it; the hole is "Empty". Rows and columns count from 1.
    QString Name(Cell cell) const;
    // How the keys play this board.
    QString Description() const;

private:
    int n_ = 0;
    GameMode mode_ = GameMode::TileSwap;
    std::vector<CellReading> cells_;  // row by row
    std::optional<Cell> focus_;
    std::optional<Cell> selection_;
};

// What a screen reader must be told between two readings of the board.
struct ReadingChanges {
    bool Reshaped = false;             // another size or mode: every cell is new
    std::vector<Cell> Renamed;         // another tile, in place or not, hinted or not
    std::vector<Cell> Reselected;      // picked up for a swap, or put down
    std::optional<Cell> FocusMovedTo;  // the keyboard's cell, when it is another than before
};
ReadingChanges CompareReadings(const BoardReading& before, const BoardReading& after);
