// Presses on the board: which cell, which move, what it costs.
#include "BoardInput.h"
#include "PuzzleBoard.h"

#include <QPoint>
#include <gtest/gtest.h>
#include <set>

namespace {

constexpr int Tile = 30;  // a 3 x 3 board of 90 x 90 pixels

QPoint Centre(int column, int row)
{
    return QPoint(column * Tile + Tile / 2, row * Tile + Tile / 2);
}

ClickResult Press(PuzzleBoard& board, int column, int row)
{
    const QPoint at = Centre(column, row);
    return ApplyBoardClick(board, at.x(), at.y());
}

PuzzleBoard SolvedBoard(GameMode mode)
{
    PuzzleBoard board;
    board.SetN(3);
    board.SetMode(mode);
    board.SetSize(3 * Tile, 3 * Tile);
    board.FillSolved();
    if (mode == GameMode::Slider) {
        board.SetCell(2, 2, PuzzleBoard::Hole);
        board.SetHole(2, 2);
    }
    board.ResetGame();
    return board;
}

std::multiset<int> Tiles(const PuzzleBoard& board)
{
    std::multiset<int> tiles;
    for (int x = 0; x < board.N(); ++x)
        for (int y = 0; y < board.N(); ++y)
            tiles.insert(board.Cell(x, y));
    return tiles;
}

TEST(BoardInput, SlideThatSolvesCountsAsOneMove)
{
    PuzzleBoard board = SolvedBoard(GameMode::Slider);
    board.Slide(0, 2);  // the whole bottom row moves right; the hole is at (0, 2)
    ASSERT_FALSE(board.IsSolved());

    EXPECT_EQ(Press(board, 1, 1), ClickResult::Ignored) << "not in line with the hole";
    EXPECT_EQ(Press(board, 0, 2), ClickResult::Ignored) << "the hole itself";
    EXPECT_EQ(board.Moves(), 0);

    EXPECT_EQ(Press(board, 2, 2), ClickResult::Slid);
    EXPECT_EQ(board.Moves(), 1);
    EXPECT_TRUE(CompletesGame(board));
    board.SetFinished(true);
    EXPECT_FALSE(CompletesGame(board)) << "a finished game is announced once";
}

TEST(BoardInput, TileSwapChargesOnlyForTheSwap)
{
    PuzzleBoard board = SolvedBoard(GameMode::TileSwap);
    EXPECT_EQ(Press(board, 0, 0), ClickResult::Selected);
    EXPECT_EQ(Press(board, 0, 0), ClickResult::Deselected);
    EXPECT_EQ(board.Moves(), 0);

    EXPECT_EQ(Press(board, 0, 0), ClickResult::Selected);
    EXPECT_EQ(Press(board, 2, 1), ClickResult::Swapped);
    EXPECT_EQ(board.Moves(), 1);
    EXPECT_FALSE(board.HasSelection());
    EXPECT_EQ(board.Cell(0, 0), 5);
    EXPECT_EQ(board.Cell(2, 1), 0);
}

TEST(BoardInput, PressesOffTheTilesAreIgnored)
{
    PuzzleBoard board = SolvedBoard(GameMode::TileSwap);
    board.SetSize(3 * Tile + 2, 3 * Tile + 1);  // a board whose size is not a multiple of N
    for (const QPoint at : {QPoint(-1, 5), QPoint(5, -1), QPoint(3 * Tile, 5), QPoint(5, 3 * Tile)})
        EXPECT_EQ(ApplyBoardClick(board, at.x(), at.y()), ClickResult::Ignored)
            << at.x() << "," << at.y();
    EXPECT_FALSE(board.HasSelection());
    EXPECT_EQ(ApplyBoardClick(board, 3 * Tile - 1, 3 * Tile - 1), ClickResult::Selected);
    EXPECT_EQ(board.SelectedColumn(), 2);

    PuzzleBoard empty;  // before any size is set
    EXPECT_EQ(ApplyBoardClick(empty, 0, 0), ClickResult::Ignored);
}

TEST(BoardInput, SliderSolvedByTheProgramKeepsEveryTile)
{
    PuzzleBoard board = SolvedBoard(GameMode::Slider);
    board.Slide(2, 0);
    board.FillSolved();  // what Solve for me leaves: no hole, the old hole position stale
    const auto before = Tiles(board);
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 3; ++row)
            EXPECT_EQ(Press(board, column, row), ClickResult::Ignored);
    EXPECT_EQ(Tiles(board), before);
    EXPECT_EQ(board.Moves(), 0);

    board.Jumble();  // the next game has its hole again
    EXPECT_NE(Press(board, 2, 1), ClickResult::Ignored);
}

} // namespace
