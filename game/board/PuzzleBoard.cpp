#include "PuzzleBoard.h"

#include <cstdlib>

namespace {

bool InRange(int value, int limit)
{
    return value >= 0 && value < limit;
}

} // namespace

PuzzleBoard::PuzzleBoard()
{
    FillSolved();
}

bool PuzzleBoard::SetN(int n)
{
    if (n < MinN || n > MaxN)
        return false;
    if (n != n_)
        ClearSelection();  // the selected cell may lie outside the new grid
    n_ = n;
    return true;
}

void PuzzleBoard::SetHole(int column, int row)
{
    if (!InRange(column, MaxN) || !InRange(row, MaxN))
        return;
    holeColumn_ = column;
    holeRow_ = row;
}

bool PuzzleBoard::InBoard(int column, int row) const
{
    return InRange(column, n_) && InRange(row, n_);
}

void PuzzleBoard::FillSolved()
{
    for (int x = 0; x < n_; ++x)
        for (int y = 0; y < n_; ++y)
            cells_[x][y] = y * n_ + x;
}

bool PuzzleBoard::Slide(int column, int row)
{
    // Outside slider mode the hole position means nothing, and sliding would plant a hole in a
    // tile-swap board.
    if (mode_ != GameMode::Slider || !InBoard(column, row) || !InBoard(holeColumn_, holeRow_))
        return false;
    if (column != holeColumn_ && row != holeRow_)
        return false;
    if (column == holeColumn_ && row == holeRow_)
        return false;

    if (column == holeColumn_) {
        const int step = row > holeRow_ ? 1 : -1;
        for (int i = holeRow_; i != row; i += step)
            cells_[column][i] = cells_[column][i + step];
        holeRow_ = row;
    } else {
        const int step = column > holeColumn_ ? 1 : -1;
        for (int i = holeColumn_; i != column; i += step)
            cells_[i][row] = cells_[i + step][row];
        holeColumn_ = column;
    }
    cells_[column][row] = Hole;
    return true;
}

SwapOutcome PuzzleBoard::SelectOrSwap(int column, int row)
{
    // A swap in slider mode would move the hole behind the board's back.
    if (mode_ != GameMode::TileSwap || !InBoard(column, row))
        return SwapOutcome::Ignored;
    if (!HasSelection()) {
        selectedTile_ = cells_[column][row];
        selectedColumn_ = column;
        selectedRow_ = row;
        return SwapOutcome::Selected;
    }
    if (cells_[column][row] == selectedTile_) {
        ClearSelection();
        return SwapOutcome::Deselected;
    }
    const int clicked = cells_[column][row];
    cells_[column][row] = selectedTile_;
    cells_[selectedColumn_][selectedRow_] = clicked;
    ClearSelection();
    return SwapOutcome::Swapped;
}

bool PuzzleBoard::IsSolved() const
{
    for (int x = 0; x < n_; ++x) {
        for (int y = 0; y < n_; ++y) {
            const bool holeCorner = x == n_ - 1 && y == n_ - 1;
            if (mode_ == GameMode::Slider && holeCorner)
                continue;
            if (cells_[x][y] != y * n_ + x)
                return false;
        }
    }
    return true;
}

void PuzzleBoard::ResetGame()
{
    ClearSelection();
    finished_ = false;
    moves_ = 0;
    startTime_ = std::time(nullptr);
}

void PuzzleBoard::Jumble()
{
    // Seeded afresh each time: two jumbles within the same second deal the same board.
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    if (mode_ == GameMode::Slider)
        JumbleSlider();
    else
        JumbleTileSwap();
}

void PuzzleBoard::JumbleTileSwap()
{
    bool used[MaxN * MaxN] = {};
    const int tiles = n_ * n_;
    for (int x = 0; x < n_; ++x) {
        for (int y = 0; y < n_; ++y) {
            int tile = std::rand() % tiles;
            while (used[tile])
                tile = std::rand() % tiles;
            cells_[x][y] = tile;
            used[tile] = true;
        }
    }
}

void PuzzleBoard::JumbleSlider()
{
    // Only legal slides from the solved picture, so every jumble can be solved.
    FillSolved();
    cells_[n_ - 1][n_ - 1] = Hole;
    holeColumn_ = n_ - 1;
    holeRow_ = n_ - 1;
    for (int step = 0; step < SliderJumbleSteps; ++step) {
        if (std::rand() % 2 == 0) {
            const int row = std::rand() % n_;
            Slide(holeColumn_, row);
        } else {
            const int column = std::rand() % n_;
            Slide(column, holeRow_);
        }
    }
    Slide(n_ - 1, holeRow_);
    Slide(holeColumn_, n_ - 1);
}
