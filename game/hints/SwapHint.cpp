#include "SwapHint.h"

int SwapsToGo(const HintPosition& position)
{
    if (!IsSwapPosition(position))
        return -1;
    std::vector<bool> visited(position.CellCount(), false);
    int cycles = 0;
    for (int start = 0; start < position.CellCount(); ++start) {
        if (visited[start])
            continue;
        ++cycles;
        for (int cell = start; !visited[cell]; cell = position.cells[cell])
            visited[cell] = true;
    }
    return position.CellCount() - cycles;
}

SwapHint FindSwapHint(const HintPosition& position)
{
    SwapHint hint;
    hint.swapsToGo = SwapsToGo(position);
    if (hint.swapsToGo < 0)
        return hint;
    if (hint.swapsToGo == 0) {
        hint.status = HintStatus::Solved;
        return hint;
    }
    hint.status = HintStatus::Found;
    // Swapping a cell with the home of the tile it holds always puts that tile home.
    for (int cell = 0; cell < position.CellCount(); ++cell) {
        const int home = position.cells[cell];
        if (home == cell)
            continue;
        if (hint.firstCell < 0) {
            hint.firstCell = cell;
            hint.secondCell = home;
        }
        if (position.cells[home] == cell) {
            hint.firstCell = cell;
            hint.secondCell = home;
            break;
        }
    }
    return hint;
}
