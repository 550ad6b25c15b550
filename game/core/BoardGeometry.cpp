#include "BoardGeometry.h"

std::optional<Cell> CellAtPixel(int x, int y, int width, int height, int n)
{
    if (n <= 0)
        return std::nullopt;
    const int tw = width / n;
    const int th = height / n;
    if (tw <= 0 || th <= 0 || x < 0 || y < 0 || x >= n * tw || y >= n * th)
        return std::nullopt;
    return Cell{x / tw, y / th};
}
