#include "PuzzleBoard.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// A solved slider board with its hole in the bottom-right corner.
PuzzleBoard SliderBoard(int n)
{
    PuzzleBoard board;
    board.SetN(n);
    board.SetMode(GameMode::Slider);
    board.FillSolved();
    board.SetCell(n - 1, n - 1, PuzzleBoard::Hole);
    board.SetHole(n - 1, n - 1);
    return board;
}

std::vector<int> Column(const PuzzleBoard& board, int column)
{
    std::vector<int> cells;
    for (int row = 0; row < board.N(); ++row)
        cells.push_back(board.Cell(column, row));
    return cells;
}

std::vector<int> Row(const PuzzleBoard& board, int row)
{
    std::vector<int> cells;
    for (int column = 0; column < board.N(); ++column)
        cells.push_back(board.Cell(column, row));
    return cells;
}

std::vector<int> AllCells(const PuzzleBoard& board)
{
    std::vector<int> cells;
    for (int column = 0; column < PuzzleBoard::MaxN; ++column)
        for (int row = 0; row < PuzzleBoard::MaxN; ++row)
            cells.push_back(board.Cell(column, row));
    return cells;
}

} // namespace

TEST(PuzzleBoard, SetNRefusesSizesOutsideThreeToTen)
{
    PuzzleBoard board;
    EXPECT_FALSE(board.SetN(2));
    EXPECT_FALSE(board.SetN(11));
    EXPECT_FALSE(board.SetN(999));
    EXPECT_EQ(board.N(), 4);
    EXPECT_TRUE(board.SetN(10));
    EXPECT_EQ(board.N(), 10);

    // A new size drops the selection, whose cell may lie outside the smaller board.
    board.FillSolved();
    ASSERT_EQ(board.SelectOrSwap(9, 9), SwapOutcome::Selected);
    board.SetN(3);
    EXPECT_FALSE(board.HasSelection());
}

TEST(PuzzleBoard, FillSolvedNumbersTilesRowByRowAndKeepsTheHolePosition)
{
    PuzzleBoard board;
    board.SetN(3);
    board.SetHole(1, 2);
    board.SetCell(5, 5, 77);  // outside a 3 x 3 board: must stay as it was
    board.FillSolved();
    EXPECT_EQ(Row(board, 0), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(Row(board, 2), (std::vector<int>{6, 7, 8}));
    EXPECT_EQ(board.Cell(5, 5), 77);
    EXPECT_EQ(board.HoleColumn(), 1);
    EXPECT_EQ(board.HoleRow(), 2);
}

TEST(PuzzleBoard, SlideRefusesTheHoleAndCellsOutOfLineOrOffTheBoard)
{
    PuzzleBoard board = SliderBoard(4);
    const std::vector<int> before = AllCells(board);
    EXPECT_FALSE(board.Slide(3, 3));   // the hole itself
    EXPECT_FALSE(board.Slide(1, 1));   // neither its row nor its column
    EXPECT_FALSE(board.Slide(3, 4));   // below the board, in the hole's column
    EXPECT_FALSE(board.Slide(-1, 3));  // left of the board, in the hole's row
    EXPECT_EQ(AllCells(board), before);
    EXPECT_EQ(board.HoleColumn(), 3);
    EXPECT_EQ(board.HoleRow(), 3);
}

TEST(PuzzleBoard, SlideAlongTheRowShiftsEveryTileBetweenTowardsTheHole)
{
    PuzzleBoard board = SliderBoard(4);
    EXPECT_TRUE(board.Slide(0, 3));
    EXPECT_EQ(Row(board, 3), (std::vector<int>{-1, 12, 13, 14}));
    EXPECT_EQ(board.HoleColumn(), 0);
    EXPECT_EQ(board.HoleRow(), 3);
    EXPECT_EQ(board.Moves(), 0);  // the board never counts its own slides

    EXPECT_TRUE(board.Slide(2, 3));  // and back to the right, part of the way
    EXPECT_EQ(Row(board, 3), (std::vector<int>{12, 13, -1, 14}));
    EXPECT_EQ(board.HoleColumn(), 2);
}

TEST(PuzzleBoard, SlideAlongTheColumnShiftsEveryTileBetweenTowardsTheHole)
{
    PuzzleBoard board = SliderBoard(4);
    EXPECT_TRUE(board.Slide(3, 0));
    EXPECT_EQ(Column(board, 3), (std::vector<int>{-1, 3, 7, 11}));
    EXPECT_EQ(board.HoleRow(), 0);

    EXPECT_TRUE(board.Slide(3, 1));
    EXPECT_EQ(Column(board, 3), (std::vector<int>{3, -1, 7, 11}));
    EXPECT_EQ(board.HoleRow(), 1);
    EXPECT_EQ(board.HoleColumn(), 3);
}

TEST(PuzzleBoard, MovesOfTheOtherModeAreIgnored)
{
    PuzzleBoard tileSwap;
    tileSwap.SetN(4);
    tileSwap.SetHole(3, 3);
    tileSwap.FillSolved();
    const std::vector<int> before = AllCells(tileSwap);
    EXPECT_FALSE(tileSwap.Slide(0, 3));
    EXPECT_EQ(AllCells(tileSwap), before);

    PuzzleBoard slider = SliderBoard(4);
    EXPECT_EQ(slider.SelectOrSwap(0, 0), SwapOutcome::Ignored);
    EXPECT_FALSE(slider.HasSelection());
}

TEST(PuzzleBoard, SelectThenSwapAnyTwoTilesOrDeselect)
{
    PuzzleBoard board;
    board.SetN(3);
    board.FillSolved();

    EXPECT_EQ(board.SelectOrSwap(0, 0), SwapOutcome::Selected);
    EXPECT_EQ(board.SelectedTile(), 0);
    EXPECT_EQ(board.SelectOrSwap(0, 0), SwapOutcome::Deselected);
    EXPECT_FALSE(board.HasSelection());
    EXPECT_TRUE(board.IsSolved());

    EXPECT_EQ(board.SelectOrSwap(2, 2), SwapOutcome::Selected);
    EXPECT_EQ(board.SelectedColumn(), 2);
    EXPECT_EQ(board.SelectedRow(), 2);
    EXPECT_EQ(board.SelectOrSwap(0, 0), SwapOutcome::Swapped);  // not neighbours
    EXPECT_EQ(board.Cell(0, 0), 8);
    EXPECT_EQ(board.Cell(2, 2), 0);
    EXPECT_FALSE(board.HasSelection());
    EXPECT_FALSE(board.IsSolved());  // the bottom-right cell counts in tile swap
    EXPECT_EQ(board.Moves(), 0);

    EXPECT_EQ(board.SelectOrSwap(3, 0), SwapOutcome::Ignored);  // off a 3 x 3 board
    EXPECT_FALSE(board.HasSelection());
}

TEST(PuzzleBoard, SliderIsSolvedWithTheHoleBottomRightOrAfterFillSolved)
{
    PuzzleBoard board = SliderBoard(5);
    EXPECT_TRUE(board.IsSolved());

    board.Slide(4, 2);  // hole moves up: no longer solved
    EXPECT_FALSE(board.IsSolved());
    board.Slide(4, 4);
    EXPECT_TRUE(board.IsSolved());

    board.FillSolved();  // what solving the puzzle for the player leaves
    EXPECT_TRUE(board.IsSolved());

    board.SetCell(0, 0, 1);
    board.SetCell(1, 0, 0);
    EXPECT_FALSE(board.IsSolved());
}
