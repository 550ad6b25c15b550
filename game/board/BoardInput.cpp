#include "BoardInput.h"

#include "PuzzleBoard.h"

namespace {

bool HasHole(const PuzzleBoard& board)
{
    return board.Cell(board.HoleColumn(), board.HoleRow()) == PuzzleBoard::Hole;
}

ClickResult ApplySlide(PuzzleBoard& board, int column, int row)
{
    if (!HasHole(board) || !board.Slide(column, row))
        return ClickResult::Ignored;
    board.AddMove();
    return ClickResult::Slid;
}

ClickResult ApplySwap(PuzzleBoard& board, int column, int row)
{
    switch (board.SelectOrSwap(column, row)) {
    case SwapOutcome::Selected: return ClickResult::Selected;
    case SwapOutcome::Deselected: return ClickResult::Deselected;
    case SwapOutcome::Ignored: return ClickResult::Ignored;
    case SwapOutcome::Swapped: break;
    }
    board.AddMove();
    return ClickResult::Swapped;
}

} // namespace

ClickResult ApplyBoardClick(PuzzleBoard& board, int x, int y)
{
    const int tw = board.TileWidth();
    const int th = board.TileHeight();
    if (tw <= 0 || th <= 0 || x < 0 || y < 0 || x >= board.N() * tw || y >= board.N() * th)
        return ClickResult::Ignored;
    const int column = x / tw;
    const int row = y / th;
    if (board.Mode() == GameMode::Slider)
        return ApplySlide(board, column, row);
    return ApplySwap(board, column, row);
}

bool CompletesGame(const PuzzleBoard& board)
{
    return board.IsSolved() && !board.Finished();
}
