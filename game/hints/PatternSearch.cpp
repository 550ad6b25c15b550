// IDA* for the 4 x 4 over the pattern tables. Each move changes one tile's cell, so of each sum
// only that tile's group is looked up again; the mirrored sum is looked up only for moves the
// plain sum lets through.
#include "PatternSearch.h"

#include <algorithm>
#include <array>
#include <climits>

namespace {

constexpr int Side = PatternDatabase::Side;
constexpr int Cells = PatternDatabase::Cells;
constexpr int Absent = Cells - 1;  // the hole, as the tile that is taken away
constexpr int MaxMoves = 96;       // shortest solutions take at most 80 moves

// The cell mirrored in the diagonal through the hole's home; tile t, whose home is cell t,
// becomes the tile whose home is Mirror(t).
constexpr int Mirror(int cell)
{
    return cell % Side * Side + cell / Side;
}

// One lower bound: the sum over one partition's groups, of the position as it is or mirrored.
// Tile t of the position counts as tile Mirror(t) at cell Mirror(cell) in the mirrored one.
// Each group's index into its table is kept up to date move by move: a tile's place in the index
// counts the cells below it that no earlier tile of its group takes, and a move changes the places
// of only the moving tile and of the group's tiles in the cells it passes over.
struct View {
    const PatternTables* tables = nullptr;
    bool mirrored = false;
    std::array<std::uint8_t, Cells> groupOf{};  // of each tile of the position; Groups for none
    std::array<std::uint8_t, Cells> slotOf{};
    std::array<std::array<int, PatternDatabase::MaxTiles>, PatternTables::Groups> weights{};
    std::array<std::size_t, PatternTables::Groups> indexes{};
    std::array<int, PatternTables::Groups> values{};
    int sum = 0;

    View(const PatternTables& from, bool mirror, const HintPosition& position) : tables(&from), mirrored(mirror)
    {
        groupOf.fill(PatternTables::Groups);
        std::array<std::array<std::uint8_t, PatternDatabase::MaxTiles>, PatternTables::Groups> cells{};
        for (int group = 0; group < PatternTables::Groups; ++group) {
            const std::vector<int>& tiles = from.Group(group).Tiles();
            const int size = static_cast<int>(tiles.size());
            for (int slot = size - 1, weight = 1; slot >= 0; weight *= Cells - slot, --slot) {
                const int tile = mirror ? Mirror(tiles[slot]) : tiles[slot];
                groupOf[tile] = static_cast<std::uint8_t>(group);
                slotOf[tile] = static_cast<std::uint8_t>(slot);
                weights[group][slot] = weight;
            }
        }
        for (int cell = 0; cell < Cells; ++cell)
            if (const int tile = position.cells[cell]; tile != HintPosition::Hole)
                cells[groupOf[tile]][slotOf[tile]] = static_cast<std::uint8_t>(Place(cell));
        for (int group = 0; group < PatternTables::Groups; ++group) {
            const int size = static_cast<int>(from.Group(group).Tiles().size());
            indexes[group] = PatternDatabase::IndexOf(cells[group].data(), size);
            sum += values[group] = from.Group(group).Moves(indexes[group]);
        }
    }

    int Place(int cell) const { return mirrored ? Mirror(cell) : cell; }

    // How `tile`'s group index changes when it slides from `cell` into `hole` on `board`.
    std::ptrdiff_t Change(const std::array<std::uint8_t, Cells>& board, int tile, int cell, int hole) const
    {
        const int group = groupOf[tile], slot = slotOf[tile];
        const int from = Place(cell), to = Place(hole);
        if (to - from == 1 || from - to == 1)
            return (to - from) * weights[group][slot];
        std::ptrdiff_t place = Side, later = 0;
        for (int passed = std::min(from, to) + 1; passed < std::max(from, to); ++passed) {
            const int other = board[Place(passed)];
            if (groupOf[other] != group)
                continue;
            if (slotOf[other] < slot)
                --place;
            else
                later += weights[group][slotOf[other]];
        }
        const std::ptrdiff_t change = place * weights[group][slot] + later;
        return to > from ? change : -change;
    }
};

class Search {
public:
    Search(const HintPosition& position, const std::vector<const PatternTables*>& tables, const ShortestSearch& search)
        : stop_(search.stop)
    {
        for (const PatternTables* partition : tables) {
            views_.emplace_back(*partition, false, position);
            if (search.mirrored)
                views_.emplace_back(*partition, true, position);
        }
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
        for (const View& view : views_)
            bound_ = std::max(bound_, view.sum);
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

    bool Descend(unsigned hole, int back, int moves)
    {
        if (views_.front().sum == 0) {
            length_ = moves;
            return true;
        }
        if (++nodes_ % CheckEvery == 0 && stop_.stop_requested())
            stopped_ = true;
        if (stopped_)
            return false;
        const unsigned column = hole % Side;
        return (hole >= unsigned(Side) && back != -Side && Try(hole, -Side, moves)) ||
               (column > 0 && back != -1 && Try(hole, -1, moves)) ||
               (column < unsigned(Side - 1) && back != 1 && Try(hole, 1, moves)) ||
               (hole < unsigned(Cells - Side) && back != Side && Try(hole, Side, moves));
    }

    // The tile next to the hole (by `step`) slides into it. Each bound is updated in turn, and the
    // first that puts the move beyond this iteration drops it.
    bool Try(unsigned hole, int step, int moves)
    {
        if (stopped_)
            return false;
        const unsigned cell = hole + static_cast<unsigned>(step);
        const int tile = board_[cell];
        std::size_t updated = 0;
        bool beyond = false;
        for (; updated < views_.size() && !beyond; ++updated) {
            View& view = views_[updated];
            const int group = view.groupOf[tile];
            view.indexes[group] += static_cast<std::size_t>(view.Change(board_, tile, static_cast<int>(cell), static_cast<int>(hole)));
            const int value = view.tables->Group(group).Moves(view.indexes[group]);
            view.sum += value - view.values[group];
            saved_[moves][updated] = view.values[group];
            view.values[group] = value;
            beyond = Prune(moves + 1 + view.sum);
        }
        bool found = false;
        if (!beyond) {
            board_[hole] = static_cast<std::uint8_t>(tile);
            board_[cell] = Absent;
            path_[moves] = static_cast<std::int8_t>(cell);
            found = Descend(cell, -step, moves + 1);
            if (found)
                return true;
            board_[cell] = static_cast<std::uint8_t>(tile);
            board_[hole] = Absent;
        }
        for (std::size_t i = 0; i < updated; ++i) {
            View& view = views_[i];
            const int group = view.groupOf[tile];
            view.indexes[group] -= static_cast<std::size_t>(view.Change(board_, tile, static_cast<int>(cell), static_cast<int>(hole)));
            view.sum += saved_[moves][i] - view.values[group];
            view.values[group] = saved_[moves][i];
        }
        return false;
    }

    // Whether a move whose estimate of the whole solution is `total` goes beyond this iteration.
    bool Prune(int total)
    {
        if (total <= bound_)
            return false;
        nextBound_ = std::min(nextBound_, total);
        return true;
    }

    static constexpr int MaxViews = 8;

    const std::stop_token stop_;
    std::vector<View> views_;
    std::array<std::array<int, MaxViews>, MaxMoves> saved_{};  // each view's value before each move
    std::array<std::uint8_t, Cells> board_{};
    std::array<std::int8_t, MaxMoves> path_{};
    int hole_ = 0;
    int length_ = 0;
    int bound_ = 0;
    int nextBound_ = 0;
    std::uint64_t nodes_ = 0;
    bool stopped_ = false;
};

} // namespace

SlideHint SearchShortest4x4(const HintPosition& position, const std::vector<const PatternTables*>& tables,
                            const ShortestSearch& search)
{
    SlideHint hint;
    if (position.n != Side || tables.empty())
        return hint;
    hint.status = SlideStatus(position);
    if (hint.status != HintStatus::Found)
        return hint;
    Search ida(position, tables, search);
    const HintStatus status = ida.Run();
    if (status == HintStatus::Found)
        hint = HintFromPath(position, ida.Path(), true);
    else
        hint.status = status;
    hint.nodes = ida.Nodes();
    return hint;
}
