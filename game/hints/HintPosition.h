#pragma once

#include <vector>

// A board as the hint solvers see it: N and the cells in row-major order, so any game position
// type needs only a small copy to ask for a hint. Tile t's home is cell t (column t % N,
// row t / N). In slider mode one cell holds the hole and tile N*N-1 is absent: the hole's home
// is the bottom-right cell.
struct HintPosition {
    static constexpr int Hole = -1;
    static constexpr int MinN = 3;
    static constexpr int MaxN = 10;

    int n = 0;
    std::vector<int> cells;

    int CellCount() const { return n * n; }
    int HoleCell() const;
    bool operator==(const HintPosition&) const = default;
};

// Every cell holds one of 0..N*N-1, each once.
bool IsSwapPosition(const HintPosition& position);
// One hole and each of 0..N*N-2 once.
bool IsSliderPosition(const HintPosition& position);
// Only half of all slider arrangements can be solved by slides; tile swaps made outside the rules
// (or a damaged position) lead to the other half.
bool IsSolvableSlider(const HintPosition& position);
bool IsSolvedSlider(const HintPosition& position);
// Whether two cells share an edge.
bool AreNeighbours(int n, int first, int second);
// Moves the tile in `cell`, next to the hole, into the hole.
void SlideIntoHole(HintPosition& position, int cell);
