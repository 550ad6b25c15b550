// A good solution for any size, found in milliseconds: the top row and the left column are put in
// place, which leaves a board one smaller, until 3 x 3 is left for the shortest search. Each tile
// (and the last two of each line together, which cannot go one by one) is brought home by a
// breadth-first search over where it and the hole are, so no arrangement can trap it.
#include "SlideHint.h"

#include <array>
#include <queue>

namespace {

class Reduction {
public:
    Reduction(const HintPosition& position, std::stop_token stop)
        : n_(position.n), board_(position), locked_(position.CellCount(), false), stop_(std::move(stop))
    {
    }

    bool Solve()
    {
        for (int corner = 0; n_ - corner > 3; ++corner) {
            const int last = n_ - 1;
            for (int column = corner; column < last - 1; ++column)
                if (!Place({Cell(column, corner)}))
                    return false;
            if (!Place({Cell(last - 1, corner), Cell(last, corner)}))
                return false;
            for (int row = corner + 1; row < last - 1; ++row)
                if (!Place({Cell(corner, row)}))
                    return false;
            if (!Place({Cell(corner, last - 1), Cell(corner, last)}))
                return false;
        }
        return FinishLastThree();
    }

    std::vector<int> Path() const { return path_; }

private:
    int Cell(int column, int row) const { return row * n_ + column; }

    int Find(int tile) const
    {
        for (int cell = 0;; ++cell)
            if (board_.cells[cell] == tile)
                return cell;
    }

    // Where the hole (first) and the one or two tiles being placed are.
    using Places = std::array<int, 3>;

    // Breadth-first search over the places of the hole and of one or two tiles, whose homes are
    // `homes`; every other unlocked tile may be moved freely. Plays the moves found, locks the homes.
    bool Place(const std::vector<int>& homes)
    {
        const int cells = board_.CellCount();
        const int pieces = static_cast<int>(homes.size());
        auto home = [&](const Places& at) { return at[1] == homes[0] && (pieces == 1 || at[2] == homes[1]); };
        Places places = {board_.HoleCell(), 0, 0};
        for (int i = 0; i < pieces; ++i)
            places[i + 1] = Find(homes[i]);
        if (home(places))
            return Lock(homes);
        const int states = pieces == 1 ? cells * cells : cells * cells * cells;
        std::vector<int> from(states, -1);
        const int start = Encode(places);
        from[start] = start;
        std::queue<int> queue;
        queue.push(start);
        int goal = -1;
        for (int visited = 1; !queue.empty(); ++visited) {
            // The searches of the first lines of a 10 x 10 take tens of milliseconds.
            if (visited % 4096 == 0 && stop_.stop_requested())
                return false;
            const int code = queue.front();
            queue.pop();
            places = Decode(code);
            if (home(places)) {
                goal = code;
                break;
            }
            const int hole = places[0];
            for (int cell : {hole - n_, hole - 1, hole + 1, hole + n_}) {
                if (cell < 0 || cell >= cells || locked_[cell] || !AreNeighbours(n_, hole, cell))
                    continue;
                Places next = places;
                next[0] = cell;
                for (int i = 1; i <= pieces; ++i)
                    if (next[i] == cell)
                        next[i] = hole;
                const int nextCode = Encode(next);
                if (from[nextCode] < 0) {
                    from[nextCode] = code;
                    queue.push(nextCode);
                }
            }
        }
        if (goal < 0)
            return false;
        std::vector<int> holes;
        for (int code = goal; code != start; code = from[code])
            holes.push_back(code % cells);
        for (auto hole = holes.rbegin(); hole != holes.rend(); ++hole)
            Slide(*hole);
        return Lock(homes);
    }

    bool Lock(const std::vector<int>& cells)
    {
        for (int cell : cells)
            locked_[cell] = true;
        return true;
    }

    // With one tile the third place stays 0, so its codes stay below cells * cells.
    int Encode(const Places& places) const
    {
        const int cells = board_.CellCount();
        return places[0] + cells * (places[1] + cells * places[2]);
    }

    Places Decode(int code) const
    {
        const int cells = board_.CellCount();
        return {code % cells, code / cells % cells, code / cells / cells};
    }

    void Slide(int cell)
    {
        SlideIntoHole(board_, cell);
        path_.push_back(cell);
    }

    // The bottom-right 3 x 3 holds the tiles whose homes are there; solved as a board of its own.
    bool FinishLastThree()
    {
        const int corner = n_ - 3;
        HintPosition small{3, std::vector<int>(9)};
        for (int cell = 0; cell < 9; ++cell) {
            const int tile = board_.cells[Cell(corner + cell % 3, corner + cell / 3)];
            small.cells[cell] = tile == HintPosition::Hole ? tile : (tile / n_ - corner) * 3 + tile % n_ - corner;
        }
        if (IsSolvedSlider(small))
            return true;
        const SlideHint hint = FindShortestSlide(small);
        if (hint.status != HintStatus::Found)
            return false;
        for (int cell : hint.path)
            Slide(Cell(corner + cell % 3, corner + cell / 3));
        return true;
    }

    const int n_;
    HintPosition board_;
    std::vector<bool> locked_;
    std::vector<int> path_;
    const std::stop_token stop_;
};

} // namespace

SlideHint FindGoodSlide(const HintPosition& position, std::stop_token stop)
{
    SlideHint hint;
    hint.status = SlideStatus(position);
    if (hint.status != HintStatus::Found)
        return hint;
    if (position.n == 3)
        return FindShortestSlide(position);
    Reduction reduction(position, stop);
    // Parity has been checked, so every step finds its way; were one not to, the position is
    // reported as beyond help rather than searched again.
    if (!reduction.Solve()) {
        hint.status = stop.stop_requested() ? HintStatus::Cancelled : HintStatus::Unsolvable;
        return hint;
    }
    return HintFromPath(position, reduction.Path(), false);
}
