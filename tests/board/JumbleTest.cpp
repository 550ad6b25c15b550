#include "PuzzleBoard.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

std::vector<int> InUseCells(const PuzzleBoard& board)
{
    std::vector<int> cells;
    for (int column = 0; column < board.N(); ++column)
        for (int row = 0; row < board.N(); ++row)
            cells.push_back(board.Cell(column, row));
    return cells;
}

// Jumbles the board twice within one second of the clock (retrying when the second turns over
// in between) and returns both arrangements.
std::pair<std::vector<int>, std::vector<int>> TwoJumblesInOneSecond(PuzzleBoard& board,
                                                                  void (*disturb)(PuzzleBoard&))
{
    for (;;) {
        const std::time_t start = std::time(nullptr);
        board.Jumble();
        const std::vector<int> first = InUseCells(board);
        disturb(board);
        board.Jumble();
        const std::vector<int> second = InUseCells(board);
        if (std::time(nullptr) == start)
            return {first, second};
    }
}

} // namespace

TEST(Jumble, TileSwapDealsEveryTileOnceForEverySize)
{
    for (int n = PuzzleBoard::MinN; n <= PuzzleBoard::MaxN; ++n) {
        PuzzleBoard board;
        board.SetN(n);
        board.Jumble();
        const std::vector<int> cells = InUseCells(board);
        const std::set<int> distinct(cells.begin(), cells.end());
        EXPECT_EQ(distinct.size(), static_cast<size_t>(n * n)) << "N = " << n;
        EXPECT_EQ(*distinct.begin(), 0) << "N = " << n;
        EXPECT_EQ(*distinct.rbegin(), n * n - 1) << "N = " << n;
    }
}

TEST(Jumble, SliderEndsWithTheHoleBottomRightAndEveryOtherTileOnce)
{
    for (int n = PuzzleBoard::MinN; n <= PuzzleBoard::MaxN; ++n) {
        PuzzleBoard board;
        board.SetN(n);
        board.SetMode(GameMode::Slider);
        board.Jumble();
        EXPECT_EQ(board.HoleColumn(), n - 1) << "N = " << n;
        EXPECT_EQ(board.HoleRow(), n - 1) << "N = " << n;
        EXPECT_EQ(board.Cell(n - 1, n - 1), PuzzleBoard::Hole) << "N = " << n;
        const std::vector<int> cells = InUseCells(board);
        const std::set<int> distinct(cells.begin(), cells.end());
        EXPECT_EQ(distinct.size(), static_cast<size_t>(n * n)) << "N = " << n;
        EXPECT_EQ(*distinct.begin(), -1) << "N = " << n;
        EXPECT_EQ(*distinct.rbegin(), n * n - 2) << "N = " << n;  // tile n*n-1 was taken away
    }
}

TEST(Jumble, SameSecondGivesTheSameBoardWhateverItStartedFrom)
{
    for (GameMode mode : {GameMode::TileSwap, GameMode::Slider}) {
        PuzzleBoard board;
        board.SetN(6);
        board.SetMode(mode);
        auto [first, second] = TwoJumblesInOneSecond(board, [](PuzzleBoard& b) {
            // A different arrangement, and a hole somewhere else, before the second jumble.
            b.FillSolved();
            b.SetCell(2, 3, PuzzleBoard::Hole);
            b.SetHole(2, 3);
        });
        EXPECT_EQ(first, second) << "mode " << static_cast<int>(mode);
    }
}

TEST(Jumble, SliderJumbleCanBeSolvedBySlidesAlone)
{
    // Parity check: a slider board reached by legal slides with the hole back in its corner is
    // an even permutation of the solved one.
    for (int n = PuzzleBoard::MinN; n <= PuzzleBoard::MaxN; ++n) {
        PuzzleBoard board;
        board.SetN(n);
        board.SetMode(GameMode::Slider);
        board.Jumble();
        std::vector<int> tiles;
        for (int row = 0; row < n; ++row)
            for (int column = 0; column < n; ++column)
                if (board.Cell(column, row) != PuzzleBoard::Hole)
                    tiles.push_back(board.Cell(column, row));
        int inversions = 0;
        for (size_t i = 0; i < tiles.size(); ++i)
            for (size_t j = i + 1; j < tiles.size(); ++j)
                inversions += tiles[i] > tiles[j];
        EXPECT_EQ(inversions % 2, 0) << "N = " << n;
    }
}
