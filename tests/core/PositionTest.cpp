#include "BoardGeometry.h"
#include "CoreFakes.h"
#include "Move.h"
#include "TileGlide.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> Row(const Position& position, int row)
{
    std::vector<int> cells;
    for (int column = 0; column < position.N(); ++column)
        cells.push_back(position.At(column, row));
    return cells;
}

std::vector<int> Column(const Position& position, int column)
{
    std::vector<int> cells;
    for (int row = 0; row < position.N(); ++row)
        cells.push_back(position.At(column, row));
    return cells;
}

Position After(const Position& position, const Move& move)
{
    const std::optional<Position> after = Apply(position, move);
    EXPECT_TRUE(after.has_value());
    return after.value_or(position);
}

TEST(Position, SizesOutsideThreeToTenNeverReachTheCells)
{
    EXPECT_EQ(Position::Solved(2, GameMode::TileSwap).N(), 3);
    EXPECT_EQ(Position::Solved(999, GameMode::Slider).N(), 10);
    const Position solved = Position::Solved(3, GameMode::TileSwap);
    EXPECT_EQ(Row(solved, 0), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(Row(solved, 2), (std::vector<int>{6, 7, 8}));
}

TEST(Position, IllegalMovesChangeNothing)
{
    const Position slider = Position::Solved(4, GameMode::Slider);
    const Position tileSwap = Position::Solved(4, GameMode::TileSwap);
    const struct {
        const Position& position;
        Move move;
        const char* why;
    } cases[] = {
        {slider, Move::Slide({3, 3}), "the hole itself"},
        {slider, Move::Slide({1, 1}), "neither the hole's row nor its column"},
        {slider, Move::Slide({3, 4}), "below the board, in the hole's column"},
        {slider, Move::Slide({-1, 3}), "left of the board, in the hole's row"},
        {slider, Move::Swap({0, 0}, {1, 0}), "a swap on a slider board"},
        {tileSwap, Move::Slide({0, 3}), "a slide on a tile-swap board"},
        {tileSwap, Move::Swap({0, 0}, {0, 0}), "a tile with itself"},
        {tileSwap, Move::Swap({0, 0}, {4, 0}), "off the board"},
        {slider.WithEveryTileHome(), Move::Slide({2, 3}), "no hole after the program solved it"},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(Apply(c.position, c.move).has_value()) << c.why;
}

TEST(Position, SlidesShiftEveryTileBetweenTowardsTheHole)
{
    Position position = After(Position::Solved(4, GameMode::Slider), Move::Slide({0, 3}));
    EXPECT_EQ(Row(position, 3), (std::vector<int>{-1, 12, 13, 14}));
    EXPECT_EQ(position.HoleCell(), (Cell{0, 3}));
    position = After(position, Move::Slide({2, 3}));  // back to the right, part of the way
    EXPECT_EQ(Row(position, 3), (std::vector<int>{12, 13, -1, 14}));

    position = After(Position::Solved(4, GameMode::Slider), Move::Slide({3, 0}));
    EXPECT_EQ(Column(position, 3), (std::vector<int>{-1, 3, 7, 11}));
    position = After(position, Move::Slide({3, 1}));
    EXPECT_EQ(Column(position, 3), (std::vector<int>{3, -1, 7, 11}));
    EXPECT_EQ(position.HoleCell(), (Cell{3, 1}));
}

TEST(Position, SwapsAnyTwoTilesAndTheBottomRightCounts)
{
    const Position swapped = After(Position::Solved(3, GameMode::TileSwap), Move::Swap({2, 2}, {0, 0}));
    EXPECT_EQ(swapped.At(0, 0), 8);
    EXPECT_EQ(swapped.At(2, 2), 0);
    EXPECT_FALSE(IsSolved(swapped));
}

TEST(Position, SliderIsSolvedWithTheHoleBottomRightOrEveryTileHome)
{
    const Position solved = Position::Solved(5, GameMode::Slider);
    EXPECT_TRUE(IsSolved(solved));
    const Position up = After(solved, Move::Slide({4, 2}));
    EXPECT_FALSE(IsSolved(up));
    EXPECT_TRUE(IsSolved(After(up, Move::Slide({4, 4}))));
    const Position whole = up.WithEveryTileHome();
    EXPECT_TRUE(IsSolved(whole));
    EXPECT_EQ(whole.HoleCell(), (Cell{4, 2})) << "the hole cell is kept, stale";
    EXPECT_FALSE(IsSolved(whole.WithTile({0, 0}, 1).WithTile({1, 0}, 0)));
}

TEST(BoardGeometry, PressesOffTheTilesHaveNoCell)
{
    // 3 x 3 tiles of 30 pixels on a board whose size is not a multiple of N.
    for (const auto& [x, y] : {std::pair{-1, 5}, {5, -1}, {90, 5}, {5, 90}})
        EXPECT_FALSE(CellAtPixel(x, y, 92, 91, 3).has_value()) << x << "," << y;
    EXPECT_EQ(CellAtPixel(89, 89, 92, 91, 3), (Cell{2, 2}));
    EXPECT_FALSE(CellAtPixel(0, 0, 0, 0, 3).has_value()) << "before the board has a size";
}

TEST(TileGlide, EveryTileThatChangedCellsGlidesAndTheHoleDoesNot)
{
    const Position slider = Position::Solved(4, GameMode::Slider);
    EXPECT_EQ(GlidesBetween(slider, After(slider, Move::Slide({0, 3}))),
              (std::vector<TileGlide>{{12, {0, 3}, {1, 3}}, {13, {1, 3}, {2, 3}}, {14, {2, 3}, {3, 3}}}));
    const Position tileSwap = Position::Solved(3, GameMode::TileSwap);
    EXPECT_EQ(GlidesBetween(tileSwap, After(tileSwap, Move::Swap({2, 0}, {0, 2}))),
              (std::vector<TileGlide>{{2, {2, 0}, {0, 2}}, {6, {0, 2}, {2, 0}}}));
    EXPECT_TRUE(GlidesBetween(tileSwap, slider).empty()) << "another board glides nothing";
}

} // namespace
