#include "GameHint.h"

HintPosition HintPositionOf(const Position& position)
{
    HintPosition asked;
    asked.n = position.N();
    asked.cells.reserve(asked.n * asked.n);
    for (int row = 0; row < asked.n; ++row)
        for (int column = 0; column < asked.n; ++column)
            asked.cells.push_back(position.At(column, row));
    return asked;
}

Cell CellOfIndex(int index, int n)
{
    return Cell{index % n, index / n};
}

std::vector<Cell> HintCells(const SwapHint& hint, int n)
{
    if (hint.status != HintStatus::Found)
        return {};
    return {CellOfIndex(hint.firstCell, n), CellOfIndex(hint.secondCell, n)};
}

std::vector<Cell> HintCells(const SlideHint& hint, int n)
{
    if (hint.status != HintStatus::Found)
        return {};
    return {CellOfIndex(hint.tileCell, n), CellOfIndex(hint.holeCell, n)};
}
