#include "Distances3x3.h"

#include <array>

namespace {

constexpr int Cells = 9;
constexpr int Hole = Cells - 1;  // the hole, as the tile that is taken away
constexpr std::uint8_t Unreached = 0xFF;

using Arrangement = std::array<std::uint8_t, Cells>;

constexpr std::array<int, Cells + 1> Factorials = {1, 1, 2, 6, 24, 120, 720, 5040, 40320, 362880};

// The arrangement's place in the order of all permutations of nine.
std::uint32_t Rank(const Arrangement& cells)
{
    std::uint32_t rank = 0;
    for (int i = 0; i < Cells; ++i) {
        int smallerLater = 0;
        for (int j = i + 1; j < Cells; ++j)
            smallerLater += cells[j] < cells[i];
        rank += static_cast<std::uint32_t>(smallerLater * Factorials[Cells - 1 - i]);
    }
    return rank;
}

Arrangement Unrank(std::uint32_t rank)
{
    Arrangement cells{};
    std::array<bool, Cells> used{};
    for (int i = 0; i < Cells; ++i) {
        int smaller = static_cast<int>(rank / static_cast<std::uint32_t>(Factorials[Cells - 1 - i]));
        rank %= static_cast<std::uint32_t>(Factorials[Cells - 1 - i]);
        int tile = 0;
        for (;; ++tile) {
            if (used[tile])
                continue;
            if (smaller == 0)
                break;
            --smaller;
        }
        used[tile] = true;
        cells[i] = static_cast<std::uint8_t>(tile);
    }
    return cells;
}

Arrangement ArrangementOf(const HintPosition& position)
{
    Arrangement cells{};
    for (int cell = 0; cell < Cells; ++cell)
        cells[cell] = static_cast<std::uint8_t>(position.cells[cell] == HintPosition::Hole ? Hole : position.cells[cell]);
    return cells;
}

template <typename Visit>
void ForEachSlide(const Arrangement& cells, Visit visit)
{
    int hole = 0;
    while (cells[hole] != Hole)
        ++hole;
    for (int cell = 0; cell < Cells; ++cell) {
        if (!AreNeighbours(3, cell, hole))
            continue;
        Arrangement moved = cells;
        moved[hole] = cells[cell];
        moved[cell] = Hole;
        visit(cell, moved);
    }
}

} // namespace

const Distances3x3& Distances3x3::Get()
{
    static const Distances3x3 table;
    return table;
}

Distances3x3::Distances3x3() : distances_(Factorials[Cells], Unreached)
{
    Arrangement solved{};
    for (int cell = 0; cell < Cells; ++cell)
        solved[cell] = static_cast<std::uint8_t>(cell);
    std::vector<std::uint32_t> layer = {Rank(solved)};
    distances_[layer.front()] = 0;
    for (std::uint8_t moves = 1; !layer.empty(); ++moves) {
        std::vector<std::uint32_t> next;
        for (std::uint32_t rank : layer) {
            ForEachSlide(Unrank(rank), [&](int, const Arrangement& moved) {
                const std::uint32_t movedRank = Rank(moved);
                if (distances_[movedRank] == Unreached) {
                    distances_[movedRank] = moves;
                    next.push_back(movedRank);
                }
            });
        }
        layer.swap(next);
    }
}

int Distances3x3::Distance(const HintPosition& position) const
{
    if (position.n != 3 || !IsSolvableSlider(position))
        return -1;
    return distances_[Rank(ArrangementOf(position))];
}

std::vector<int> Distances3x3::ShortestPath(HintPosition position) const
{
    std::vector<int> path;
    const int distance = Distance(position);
    if (distance <= 0)
        return path;
    Arrangement cells = ArrangementOf(position);
    for (int left = distance; left > 0; --left) {
        bool stepped = false;
        ForEachSlide(cells, [&](int cell, const Arrangement& moved) {
            if (!stepped && distances_[Rank(moved)] == left - 1) {
                stepped = true;
                path.push_back(cell);
                cells = moved;
            }
        });
    }
    return path;
}
