// Shortest slider solutions: the 3 x 3 from its complete table; the 4 x 4 by IDA* over the pattern
// tables, or, while those are still being made, by IDA* over the Manhattan distance plus linear
// conflicts, which needs no tables and is quick near the solved position. That search keeps its
// state in a few small arrays on the stack, updates the heuristic per move from small tables, and
// never undoes the move before.
#include "Distances3x3.h"
#include "PatternSearch.h"
#include "ShortestTables.h"
#include "SlideHint.h"

#include <array>
#include <climits>
#include <cstdint>
#include <optional>

namespace {

constexpr int Power(int base, int exponent)
{
    int result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= base;
    return result;
}

// Extra moves forced by tiles of one line that sit in their home line in the wrong order: every
// tile outside the longest run in home order must leave the line and come back (2 moves each).
int LineConflicts(const int* homes, int count)
{
    int longest = 0;
    int runEndingAt[16] = {};
    for (int i = 0; i < count; ++i) {
        runEndingAt[i] = 1;
        for (int j = 0; j < i; ++j)
            if (homes[j] < homes[i] && runEndingAt[j] + 1 > runEndingAt[i])
                runEndingAt[i] = runEndingAt[j] + 1;
        if (runEndingAt[i] > longest)
            longest = runEndingAt[i];
    }
    return 2 * (count - longest);
}

// A line's contents are coded as one digit per cell: the home place along the line of a tile
// whose home is in this line, else N. Each move changes the code of at most two crossing lines,
// and the conflicts of a code come from one table.
template <int N>
struct SearchTables {
    static constexpr int Cells = N * N;
    static constexpr int Absent = Cells - 1;  // the hole, as the tile that is taken away
    static constexpr int Codes = Power(N + 1, N);
    static constexpr int EmptyLine = Codes - 1;  // every digit N

    std::array<std::array<std::uint8_t, Cells>, Cells> distance{};       // [tile][cell]
    // What a tile adds to a line's code over the hole in the same cell: [tile][cell].
    std::array<std::array<std::int16_t, Cells>, Cells> rowDelta{};
    std::array<std::array<std::int16_t, Cells>, Cells> columnDelta{};
    std::array<std::uint8_t, Codes> conflicts{};

    SearchTables()
    {
        for (int tile = 0; tile < Cells; ++tile) {
            for (int cell = 0; cell < Cells; ++cell) {
                const int column = cell % N, row = cell / N;
                const int homeColumn = tile % N, homeRow = tile / N;
                const bool real = tile != Absent;
                distance[tile][cell] = real ? Distance(homeColumn, column) + Distance(homeRow, row) : 0;
                const int rowDigit = real && homeRow == row ? homeColumn : N;
                const int columnDigit = real && homeColumn == column ? homeRow : N;
                rowDelta[tile][cell] = static_cast<std::int16_t>((rowDigit - N) * Power(N + 1, column));
                columnDelta[tile][cell] = static_cast<std::int16_t>((columnDigit - N) * Power(N + 1, row));
            }
        }
        for (int code = 0; code < Codes; ++code) {
            int homes[N];
            int count = 0;
            for (int place = 0, rest = code; place < N; ++place, rest /= N + 1)
                if (rest % (N + 1) != N)
                    homes[count++] = rest % (N + 1);
            conflicts[code] = static_cast<std::uint8_t>(LineConflicts(homes, count));
        }
    }

    static int Distance(int a, int b) { return a > b ? a - b : b - a; }

    static const SearchTables& Get()
    {
        static const SearchTables tables;
        return tables;
    }
};

template <int N>
class IdaStar {
public:
    IdaStar(const HintPosition& position, std::uint64_t nodeBudget, std::stop_token stop)
        : tables_(SearchTables<N>::Get()), budget_(nodeBudget), stop_(std::move(stop))
    {
        for (int cell = 0; cell < Cells; ++cell) {
            const int tile = position.cells[cell];
            tiles_[cell] = static_cast<std::uint8_t>(tile == HintPosition::Hole ? Absent : tile);
            if (tile == HintPosition::Hole)
                hole_ = cell;
        }
    }

    HintStatus Run()
    {
        const int start = Heuristic();
        for (bound_ = start;;) {
            nextBound_ = INT_MAX;
            if (Descend(static_cast<unsigned>(hole_), 0, 0, start))
                return HintStatus::Found;
            if (halted_)
                return stop_.stop_requested() ? HintStatus::Cancelled : HintStatus::OutOfBudget;
            bound_ = nextBound_;
        }
    }

    std::vector<int> Path() const { return std::vector<int>(path_.begin(), path_.begin() + length_); }
    std::uint64_t Nodes() const { return nodes_; }

private:
    static constexpr int Cells = SearchTables<N>::Cells;
    static constexpr int Absent = SearchTables<N>::Absent;
    static constexpr int MaxMoves = 128;  // shortest solutions take at most 80 moves
    static constexpr std::uint64_t CheckEvery = 4096;
    using Deltas = std::array<std::array<std::int16_t, Cells>, Cells>;

    int Heuristic()
    {
        int h = 0;
        for (int cell = 0; cell < Cells; ++cell)
            h += tables_.distance[tiles_[cell]][cell];
        rowCode_.fill(SearchTables<N>::EmptyLine);
        columnCode_.fill(SearchTables<N>::EmptyLine);
        for (int cell = 0; cell < Cells; ++cell) {
            rowCode_[cell / N] += tables_.rowDelta[tiles_[cell]][cell];
            columnCode_[cell % N] += tables_.columnDelta[tiles_[cell]][cell];
        }
        for (int line = 0; line < N; ++line)
            h += tables_.conflicts[rowCode_[line]] + tables_.conflicts[columnCode_[line]];
        return h;
    }

    // Cells are unsigned: division and remainder by N are then plain shifts and masks.
    bool Descend(unsigned hole, int back, int moves, int h)
    {
        if (h == 0) {
            length_ = moves;
            return true;
        }
        if (++nodes_ % CheckEvery == 0 && (nodes_ >= budget_ || stop_.stop_requested()))
            halted_ = true;
        if (halted_)
            return false;
        const unsigned column = hole % N;
        return (hole >= unsigned(N) && back != -N && Try<-N>(hole, moves, h)) ||
               (column > 0 && back != -1 && Try<-1>(hole, moves, h)) ||
               (column < unsigned(N - 1) && back != 1 && Try<1>(hole, moves, h)) ||
               (hole < unsigned(Cells - N) && back != N && Try<N>(hole, moves, h));
    }

    // Moves the hole by Step (the tile there comes the other way), one instance per direction so
    // that which lines change is known at compile time. A move beyond the bound is priced and
    // dropped before any state changes.
    template <int Step>
    [[gnu::always_inline]] bool Try(unsigned hole, int moves, int h)
    {
        if (halted_)
            return false;
        constexpr bool across = Step == 1 || Step == -1;
        const unsigned cell = hole + Step;
        const int tile = tiles_[cell];
        int next = h + tables_.distance[tile][hole] - tables_.distance[tile][cell];
        // The line the tile moves along keeps its conflicts (the hole is no tile); the two crossing
        // lines it leaves and enters change theirs only when one of them is the tile's home line.
        const Deltas& alongDelta = across ? tables_.rowDelta : tables_.columnDelta;
        const Deltas& crossDelta = across ? tables_.columnDelta : tables_.rowDelta;
        std::array<int, N>& along = across ? rowCode_ : columnCode_;
        std::array<int, N>& cross = across ? columnCode_ : rowCode_;
        const unsigned alongLine = across ? hole / N : hole % N;
        const unsigned leavingLine = across ? cell % N : cell / N;
        const unsigned enteringLine = across ? hole % N : hole / N;
        const int leaving = crossDelta[tile][cell];
        const int entering = crossDelta[tile][hole];
        if ((leaving | entering) != 0) {
            const auto& conflicts = tables_.conflicts;
            next += conflicts[cross[leavingLine] - leaving] - conflicts[cross[leavingLine]] +
                    conflicts[cross[enteringLine] + entering] - conflicts[cross[enteringLine]];
        }
        if (moves + 1 + next > bound_) {
            if (moves + 1 + next < nextBound_)
                nextBound_ = moves + 1 + next;
            return false;
        }
        const int alongChange = alongDelta[tile][hole] - alongDelta[tile][cell];
        along[alongLine] += alongChange;
        cross[leavingLine] -= leaving;
        cross[enteringLine] += entering;
        tiles_[hole] = static_cast<std::uint8_t>(tile);
        tiles_[cell] = Absent;
        path_[moves] = static_cast<std::int8_t>(cell);
        if (Descend(cell, -Step, moves + 1, next))
            return true;
        tiles_[cell] = static_cast<std::uint8_t>(tile);
        tiles_[hole] = Absent;
        along[alongLine] -= alongChange;
        cross[leavingLine] += leaving;
        cross[enteringLine] -= entering;
        return false;
    }

    const SearchTables<N>& tables_;
    std::array<std::uint8_t, Cells> tiles_{};
    std::array<int, N> rowCode_{};
    std::array<int, N> columnCode_{};
    std::array<std::int8_t, MaxMoves> path_{};
    int hole_ = 0;
    int length_ = 0;
    int bound_ = 0;
    int nextBound_ = 0;
    std::uint64_t nodes_ = 0;
    const std::uint64_t budget_;
    const std::stop_token stop_;
    bool halted_ = false;
};

template <int N>
SlideHint Solve(const HintPosition& position, std::uint64_t nodeBudget, std::stop_token stop)
{
    IdaStar<N> ida(position, nodeBudget, std::move(stop));
    const HintStatus status = ida.Run();
    SlideHint hint;
    if (status == HintStatus::Found)
        hint = HintFromPath(position, ida.Path(), true);
    else
        hint.status = status;
    hint.nodes = ida.Nodes();
    return hint;
}

// While the tables are being built (seconds, once per profile), the search without them tries
// first, for about half a second: that answers most random positions, and every position near
// solved, at once; the rest wait for the tables.
constexpr std::uint64_t QuickBudget = 20'000'000;

// The answer when there is nothing to search: no 3 x 3 or 4 x 4 board, or a position that is bad,
// unsolvable or solved already.
std::optional<SlideHint> WithoutSearch(const HintPosition& position)
{
    SlideHint hint;
    if (position.n == 3 || position.n == 4) {
        hint.status = SlideStatus(position);
        if (hint.status == HintStatus::Found)
            return std::nullopt;
    }
    return hint;
}

} // namespace

SlideHint SearchWithoutTables(const HintPosition& position, std::uint64_t nodeBudget, std::stop_token stop)
{
    if (std::optional<SlideHint> answer = WithoutSearch(position))
        return *answer;
    return position.n == 3 ? Solve<3>(position, nodeBudget, std::move(stop)) : Solve<4>(position, nodeBudget, std::move(stop));
}

SlideHint FindShortestSlide(const HintPosition& position, const ShortestSearch& search)
{
    if (std::optional<SlideHint> answer = WithoutSearch(position))
        return *answer;
    if (position.n == 3)
        return HintFromPath(position, Distances3x3::Get().ShortestPath(position), true);
    if (ShortestTables::IfReady() == nullptr) {
        const SlideHint quick = SearchWithoutTables(position, QuickBudget, search.stop);
        if (quick.status != HintStatus::OutOfBudget)
            return quick;
    }
    const PatternLookup* tables = ShortestTables::Wait(search.stop);
    if (tables == nullptr) {
        SlideHint cancelled;
        cancelled.status = HintStatus::Cancelled;
        return cancelled;
    }
    return SearchShortest4x4(position, *tables, search);
}

int ShortestLength(const HintPosition& position, std::stop_token stop)
{
    ShortestSearch search;
    search.stop = std::move(stop);
    const SlideHint hint = FindShortestSlide(position, search);
    if (hint.status == HintStatus::Solved)
        return 0;
    return hint.status == HintStatus::Found ? hint.movesToGo : -1;
}
