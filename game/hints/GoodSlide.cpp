// A good solution for any size, found in milliseconds: the top row and the left column are put in
// place, which leaves a board one smaller, until 3 x 3 is left for the shortest search. Each tile
// (and the last two of each line together, which cannot go one by one) is brought home by a
// best-first search over where it and the hole are, so no arrangement can trap it.
#include "SlideHint.h"

#include <array>
#include <cstdlib>

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

    // Best-first search over the places of the hole and of one or two tiles, whose homes are
    // `homes`; every other unlocked tile may be moved freely. Places are taken in the order of the
    // moves made plus the tiles' distances from home (A*, the latest first among equals), and each
    // keeps the first way it was reached: not always a shortest way, but found after looking at a
    // few thousand places where a breadth-first search looks at hundreds of thousands. Plays the
    // moves found, locks the homes.
    bool Place(const std::vector<int>& homes)
    {
        const int cells = board_.CellCount();
        const int pieces = static_cast<int>(homes.size());
        auto home = [&](const Places& at) { return at[1] == homes[0] && (pieces == 1 || at[2] == homes[1]); };
        auto distance = [&](int a, int b) { return std::abs(a % n_ - b % n_) + std::abs(a / n_ - b / n_); };
        // A tile takes about five moves a cell (the hole goes round it each time), and the hole
        // must first come to it.
        auto estimate = [&](const Places& at) {
            int moves = 0, reach = cells;
            for (int i = 0; i < pieces; ++i) {
                moves += 5 * distance(at[i + 1], homes[i]);
                if (at[i + 1] != homes[i])
                    reach = std::min(reach, distance(at[0], at[i + 1]));
            }
            return moves + (reach == cells ? 0 : reach);
        };
        Places places = {board_.HoleCell(), 0, 0};
        for (int i = 0; i < pieces; ++i)
            places[i + 1] = Find(homes[i]);
        if (home(places))
            return Lock(homes);
        if (stop_.stop_requested())
            return false;
        const std::size_t states = static_cast<std::size_t>(pieces == 1 ? cells * cells : cells * cells * cells);
        if (from_.size() < states) {
            from_.resize(states, -1);
            moves_.resize(states);
        }
        const int start = Encode(places);
        Reach(start, start);
        moves_[start] = 0;
        std::vector<std::vector<int>> open(1);  // by moves made plus distance left
        std::size_t least = static_cast<std::size_t>(estimate(places));
        open.resize(least + 1);
        open[least].push_back(start);
        int goal = -1;
        for (int visited = 1; goal < 0; ++visited) {
            while (least < open.size() && open[least].empty())
                ++least;
            if (least == open.size() || (visited % 4096 == 0 && stop_.stop_requested()))
                return Forget();
            const int code = open[least].back();
            open[least].pop_back();
            places = Decode(code);
            if (home(places)) {
                goal = code;
                break;
            }
            const int hole = places[0];
            const int column = hole % n_;
            for (int cell : {hole - n_, hole - 1, hole + 1, hole + n_}) {
                const bool onBoard = cell == hole - 1   ? column > 0
                                     : cell == hole + 1 ? column < n_ - 1
                                                        : cell >= 0 && cell < cells;
                if (!onBoard || locked_[cell])
                    continue;
                Places next = places;
                next[0] = cell;
                for (int i = 1; i <= pieces; ++i)
                    if (next[i] == cell)
                        next[i] = hole;
                const int nextCode = Encode(next);
                if (from_[nextCode] >= 0)
                    continue;
                Reach(nextCode, code);
                moves_[nextCode] = moves_[code] + 1;
                const std::size_t order = static_cast<std::size_t>(moves_[nextCode] + estimate(next));
                if (order >= open.size())
                    open.resize(order + 1);
                open[order].push_back(nextCode);
                least = std::min(least, order);
            }
        }
        if (goal < 0)
            return false;
        std::vector<int> holes;
        for (int code = goal; code != start; code = from_[code])
            holes.push_back(code % cells);
        Forget();
        for (auto hole = holes.rbegin(); hole != holes.rend(); ++hole)
            Slide(*hole);
        return Lock(homes);
    }

    void Reach(int code, int previous)
    {
        from_[code] = previous;
        reached_.push_back(code);
    }

    // Clears what the last search marked, which is far less than all it could have: false.
    bool Forget()
    {
        for (int code : reached_)
            from_[code] = -1;
        reached_.clear();
        return false;
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
    std::vector<int> from_;   // of each place searched, the place it was reached from; -1 for none yet
    std::vector<int> moves_;  // and the moves it took
    std::vector<int> reached_;
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
