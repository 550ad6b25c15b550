#include "SavedGame.h"

#include <charconv>
#include <vector>

namespace {

// Exactly count numbers, one space between each; anything else is damage.
std::optional<std::vector<int>> ParseCells(const std::string& text, int count)
{
    std::vector<int> cells;
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    while (static_cast<int>(cells.size()) < count) {
        if (!cells.empty() && (at == end || *at++ != ' '))
            return std::nullopt;
        int value = 0;
        const auto [next, error] = std::from_chars(at, end, value);
        if (error != std::errc())
            return std::nullopt;
        cells.push_back(value);
        at = next;
    }
    if (at != end)
        return std::nullopt;
    return cells;
}

// Each of 0..N*N-1 once; in slider mode the last tile is the hole instead.
bool HoldsEachTileOnce(const std::vector<int>& cells, GameMode mode)
{
    const int count = static_cast<int>(cells.size());
    std::vector<bool> seen(count, false);
    for (int tile : cells) {
        const int slot = (mode == GameMode::Slider && tile == Position::Hole) ? count - 1 : tile;
        if (slot < 0 || slot >= count || seen[slot] || (mode == GameMode::Slider && tile == count - 1))
            return false;
        seen[slot] = true;
    }
    return true;
}

} // namespace

// A slide moves the hole one cell and swaps two cells, so the arrangements slides reach from the
// solved one are those whose permutation (the hole as the last tile) has the parity of the hole's
// distance from its home.
bool SlidesCanSolve(const std::vector<int>& cells, int n)
{
    const int count = n * n;
    std::vector<bool> visited(count, false);
    int cycles = 0;
    int hole = 0;
    for (int start = 0; start < count; ++start) {
        if (cells[start] == Position::Hole)
            hole = start;
        if (visited[start])
            continue;
        ++cycles;
        for (int cell = start; !visited[cell];) {
            visited[cell] = true;
            cell = cells[cell] == Position::Hole ? count - 1 : cells[cell];
        }
    }
    const int swapsParity = (count - cycles) % 2;
    const int holeDistance = (n - 1 - hole % n) + (n - 1 - hole / n);
    return swapsParity == holeDistance % 2;
}

Position PositionOfCells(const std::vector<int>& cells, int n, GameMode mode)
{
    Position position = Position::Solved(n, mode);
    for (int index = 0; index < n * n; ++index) {
        const Cell cell{index % n, index / n};
        position = position.WithTile(cell, cells[index]);
        if (cells[index] == Position::Hole)
            position = position.WithHoleAt(cell);
    }
    return position;
}

std::string CellsText(const Position& position)
{
    std::string text;
    for (int row = 0; row < position.N(); ++row) {
        for (int column = 0; column < position.N(); ++column) {
            if (!text.empty())
                text += ' ';
            text += std::to_string(position.At(column, row));
        }
    }
    return text;
}

std::optional<Position> RestoredPosition(const SavedGame& saved)
{
    if (saved.N < Position::MinN || saved.N > Position::MaxN || saved.Mode < 0 || saved.Mode > 1
        || saved.ZipIndex < 1 || saved.Moves < 0 || saved.Elapsed < 0)
        return std::nullopt;
    const auto mode = static_cast<GameMode>(saved.Mode);
    const std::optional<std::vector<int>> cells = ParseCells(saved.Cells, saved.N * saved.N);
    if (!cells || !HoldsEachTileOnce(*cells, mode))
        return std::nullopt;
    if (mode == GameMode::Slider && !SlidesCanSolve(*cells, saved.N))
        return std::nullopt;

    const Position position = PositionOfCells(*cells, saved.N, mode);
    // A finished game is never kept, so a solved record is not one the game wrote.
    if (IsSolved(position))
        return std::nullopt;
    return position;
}
