// IDA* for the 4 x 4 over the pattern tables. A move changes one tile's cell, so of each sum only
// that tile's group changes: its index by one shift and add, its Manhattan distance by a table
// look-up. The entries every possible move needs are fetched ahead before any is looked at, as
// the tables are larger than the processor's nearer caches.
#include "PatternSearch.h"

#include <algorithm>
#include <array>
#include <climits>

namespace {

constexpr int Side = PatternDatabase::Side;
constexpr int Cells = PatternDatabase::Cells;
constexpr int Absent = Cells - 1;  // the hole, as the tile that is taken away
constexpr int MaxMoves = 96;       // shortest solutions take at most 80 moves
constexpr int Views = 2;           // the position as it is, and mirrored

// The cell mirrored in the diagonal through the hole's home; tile t, whose home is cell t,
// becomes the tile whose home is Mirror(t).
constexpr int Mirror(int cell)
{
    return cell % Side * Side + cell / Side;
}

// One lower bound: the sum of the groups' tables for the position as it is, or mirrored. Tiles
// and cells are the position's; `placeOf` gives a cell's place in this view.
struct View {
    std::array<const std::uint8_t*, PatternTables::Groups> tables{};
    std::array<std::uint8_t, Cells> placeOf{};
    std::array<std::uint8_t, Cells> groupOf{};  // of each tile
    std::array<std::uint8_t, Cells> shiftOf{};  // of the tile's nibble in its group's index
    std::array<std::array<std::uint8_t, Cells>, Cells> distance{};  // [tile][place] to the tile's home
    std::array<std::size_t, PatternTables::Groups> indexes{};
    std::array<int, PatternTables::Groups> distances{};  // each group's Manhattan distance
    std::array<int, PatternTables::Groups> values{};
    int sum = 0;

    View(const PatternLookup& lookup, bool mirrored, const HintPosition& position)
    {
        for (int cell = 0; cell < Cells; ++cell)
            placeOf[cell] = static_cast<std::uint8_t>(mirrored ? Mirror(cell) : cell);
        for (int group = 0; group < PatternTables::Groups; ++group) {
            tables[group] = lookup.Table(group);
            const std::vector<int>& tiles = lookup.Tiles(group);
            for (std::size_t slot = 0; slot < tiles.size(); ++slot) {
                const int tile = placeOf[tiles[slot]];  // the position's tile that is this one here
                groupOf[tile] = static_cast<std::uint8_t>(group);
                shiftOf[tile] = static_cast<std::uint8_t>(4 * slot);
                for (int place = 0; place < Cells; ++place)
                    distance[tile][place] = static_cast<std::uint8_t>(ManhattanDistance(tiles[slot], place));
            }
        }
        for (int cell = 0; cell < Cells; ++cell) {
            const int tile = position.cells[cell];
            if (tile == HintPosition::Hole)
                continue;
            indexes[groupOf[tile]] |= static_cast<std::size_t>(placeOf[cell]) << shiftOf[tile];
            distances[groupOf[tile]] += distance[tile][placeOf[cell]];
        }
        for (int group = 0; group < PatternTables::Groups; ++group)
            sum += values[group] = distances[group] + 2 * lookup.Excess(group, indexes[group]);
    }
};

// With the number of views fixed at compile time, every loop over them unrolls.
template <int ViewCount>
class Search {
public:
    Search(const HintPosition& position, const PatternLookup& tables, std::stop_token stop)
        : views_{View(tables, false, position), View(tables, true, position)},
          stop_(std::move(stop))
    {
        for (int cell = 0; cell < Cells; ++cell) {
            const int tile = position.cells[cell];
            board_[cell] = static_cast<std::uint8_t>(tile == HintPosition::Hole ? Absent : tile);
            if (tile == HintPosition::Hole)
                hole_ = cell;
        }
    }

    HintStatus Run()
    {
        bound_ = 0;
        for (int v = 0; v < ViewCount; ++v)
            bound_ = std::max(bound_, views_[v].sum);
        for (;;) {
            nextBound_ = INT_MAX;
            if (Descend(static_cast<unsigned>(hole_), 0, 0))
                return HintStatus::Found;
            if (stopped_)
                return HintStatus::Cancelled;
            bound_ = nextBound_;
        }
    }

    std::vector<int> Path() const { return std::vector<int>(path_.begin(), path_.begin() + length_); }
    std::uint64_t Nodes() const { return nodes_; }

private:
    static constexpr std::uint64_t CheckEvery = 4096;

    // What one move does to the moving tile's group in each view. Left uninitialised: Prepare
    // sets every field, and clearing the four at every node cost a sixth of the search.
    struct Move {
        unsigned cell;  // of the tile that slides into the hole
        int step;
        std::array<std::size_t, ViewCount> indexes;
        std::array<int, ViewCount> distances;
    };

    struct GroupState {
        std::size_t index;
        int distance;
        int value;
    };

    bool Descend(unsigned hole, int back, int moves)
    {
        if (views_[0].sum == 0) {
            length_ = moves;
            return true;
        }
        if (++nodes_ % CheckEvery == 0 && stop_.stop_requested())
            stopped_ = true;
        if (stopped_)
            return false;
        std::array<Move, 4> next;
        int count = 0;
        const unsigned column = hole % Side;
        if (hole >= unsigned(Side) && back != -Side)
            Prepare(next[count++], hole, -Side);
        if (column > 0 && back != -1)
            Prepare(next[count++], hole, -1);
        if (column < unsigned(Side - 1) && back != 1)
            Prepare(next[count++], hole, 1);
        if (hole < unsigned(Cells - Side) && back != Side)
            Prepare(next[count++], hole, Side);
        for (int i = 0; i < count; ++i)
            if (Try(hole, next[i], moves))
                return true;
        return false;
    }

    void Prepare(Move& move, unsigned hole, int step)
    {
        move.cell = hole + static_cast<unsigned>(step);
        move.step = step;
        const int tile = board_[move.cell];
        for (int v = 0; v < ViewCount; ++v) {
            const View& view = views_[v];
            const int group = view.groupOf[tile];
            const unsigned from = view.placeOf[move.cell], to = view.placeOf[hole];
            const unsigned shift = view.shiftOf[tile];
            move.indexes[v] = view.indexes[group] - (std::size_t{from} << shift) + (std::size_t{to} << shift);
            move.distances[v] = view.distances[group] - view.distance[tile][from] + view.distance[tile][to];
            __builtin_prefetch(PatternLookup::EntryIn(view.tables[group], move.indexes[v]));
        }
    }

    // The tile of `move` slides into the hole, unless one of the bounds puts it beyond this
    // iteration.
    bool Try(unsigned hole, const Move& move, int moves)
    {
        if (stopped_)
            return false;
        const int tile = board_[move.cell];
        std::array<int, ViewCount> values;
        for (int v = 0; v < ViewCount; ++v) {
            const View& view = views_[v];
            const int group = view.groupOf[tile];
            values[v] = move.distances[v] + 2 * PatternLookup::ExcessIn(view.tables[group], move.indexes[v]);
            if (Prune(moves + 1 + view.sum - view.values[group] + values[v]))
                return false;
        }
        std::array<GroupState, ViewCount> kept;
        for (int v = 0; v < ViewCount; ++v) {
            View& view = views_[v];
            const int group = view.groupOf[tile];
            kept[v] = {view.indexes[group], view.distances[group], view.values[group]};
            Set(view, group, {move.indexes[v], move.distances[v], values[v]});
        }
        board_[hole] = static_cast<std::uint8_t>(tile);
        board_[move.cell] = Absent;
        path_[moves] = static_cast<std::int8_t>(move.cell);
        if (Descend(move.cell, -move.step, moves + 1))
            return true;
        board_[move.cell] = static_cast<std::uint8_t>(tile);
        board_[hole] = Absent;
        for (int v = 0; v < ViewCount; ++v) {
            View& view = views_[v];
            const int group = view.groupOf[tile];
            Set(view, group, kept[v]);
        }
        return false;
    }

    static void Set(View& view, int group, const GroupState& state)
    {
        view.sum += state.value - view.values[group];
        view.indexes[group] = state.index;
        view.distances[group] = state.distance;
        view.values[group] = state.value;
    }

    // Whether a move whose estimate of the whole solution is `total` goes beyond this iteration.
    bool Prune(int total)
    {
        if (total <= bound_)
            return false;
        nextBound_ = std::min(nextBound_, total);
        return true;
    }

    std::array<View, Views> views_;
    const std::stop_token stop_;
    std::array<std::uint8_t, Cells> board_{};
    std::array<std::int8_t, MaxMoves> path_{};
    int hole_ = 0;
    int length_ = 0;
    int bound_ = 0;
    int nextBound_ = 0;
    std::uint64_t nodes_ = 0;
    bool stopped_ = false;
};

template <int ViewCount>
SlideHint Solve(const HintPosition& position, const PatternLookup& tables, std::stop_token stop, SlideHint hint)
{
    Search<ViewCount> ida(position, tables, std::move(stop));
    const HintStatus status = ida.Run();
    if (status == HintStatus::Found)
        hint = HintFromPath(position, ida.Path(), true);
    else
        hint.status = status;
    hint.nodes = ida.Nodes();
    return hint;
}

} // namespace

SlideHint SearchShortest4x4(const HintPosition& position, const PatternLookup& tables, const ShortestSearch& search)
{
    SlideHint hint;
    if (position.n != Side)
        return hint;
    hint.status = SlideStatus(position);
    if (hint.status != HintStatus::Found)
        return hint;
    return search.mirrored ? Solve<Views>(position, tables, search.stop, hint)
                           : Solve<1>(position, tables, search.stop, hint);
}
