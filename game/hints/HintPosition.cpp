#include "HintPosition.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool HasSize(const HintPosition& position)
{
    return position.n >= HintPosition::MinN && position.n <= HintPosition::MaxN &&
           static_cast<int>(position.cells.size()) == position.CellCount();
}

// Whether the cells hold each of 0..count-1 once, plus `holes` holes.
bool HoldsEachOnce(const HintPosition& position, int count, int holes)
{
    std::vector<bool> seen(count, false);
    for (int tile : position.cells) {
        if (tile == HintPosition::Hole) {
            --holes;
        } else {
            if (tile < 0 || tile >= count || seen[tile])
                return false;
            seen[tile] = true;
        }
    }
    return holes == 0;
}

// Parity of the arrangement as a permutation, the hole counted as the last tile.
bool IsOddPermutation(const HintPosition& position)
{
    const int last = position.CellCount() - 1;
    std::vector<int> tiles = position.cells;
    std::replace(tiles.begin(), tiles.end(), HintPosition::Hole, last);
    bool odd = false;
    for (int cell = 0; cell <= last; ++cell) {
        while (tiles[cell] != cell) {
            std::swap(tiles[cell], tiles[tiles[cell]]);
            odd = !odd;
        }
    }
    return odd;
}

} // namespace

int HintPosition::HoleCell() const
{
    const auto hole = std::find(cells.begin(), cells.end(), Hole);
    return hole == cells.end() ? -1 : static_cast<int>(hole - cells.begin());
}

bool IsSwapPosition(const HintPosition& position)
{
    return HasSize(position) && HoldsEachOnce(position, position.CellCount(), 0);
}

bool IsSliderPosition(const HintPosition& position)
{
    return HasSize(position) && HoldsEachOnce(position, position.CellCount() - 1, 1);
}

// Each slide swaps the hole with a tile (one transposition) and moves the hole one cell, so the
// permutation's parity always equals the parity of the hole's distance from its home.
bool IsSolvableSlider(const HintPosition& position)
{
    if (!IsSliderPosition(position))
        return false;
    const int n = position.n;
    const int hole = position.HoleCell();
    const int holeDistance = (n - 1 - hole % n) + (n - 1 - hole / n);
    return IsOddPermutation(position) == (holeDistance % 2 == 1);
}

bool IsSolvedSlider(const HintPosition& position)
{
    if (!IsSliderPosition(position))
        return false;
    for (int cell = 0; cell + 1 < position.CellCount(); ++cell)
        if (position.cells[cell] != cell)
            return false;
    return true;
}

bool AreNeighbours(int n, int first, int second)
{
    const int columns = std::abs(first % n - second % n);
    const int rows = std::abs(first / n - second / n);
    return columns + rows == 1;
}

void SlideIntoHole(HintPosition& position, int cell)
{
    const int hole = position.HoleCell();
    position.cells[hole] = position.cells[cell];
    position.cells[cell] = HintPosition::Hole;
}
