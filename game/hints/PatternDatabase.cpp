// The search runs over placings of the group and the region of free cells the hole is in: within
// that region the hole moves at no cost (only other tiles move), so a state is the placing plus the
// lowest cell of the hole's region, and every step moves one tile of the group: plain breadth-first.
#include "PatternDatabase.h"

#include <algorithm>
#include <array>
#include <bit>

namespace {

constexpr std::uint8_t Unreached = 0xFF;
constexpr unsigned Board = 0xFFFF;
constexpr unsigned LeftColumn = 0x1111;
constexpr unsigned RightColumn = 0x8888;
constexpr int HoleHome = PatternDatabase::Cells - 1;

constexpr std::array<unsigned, PatternDatabase::Cells> NeighbourMasks = [] {
    std::array<unsigned, PatternDatabase::Cells> masks{};
    for (int cell = 0; cell < PatternDatabase::Cells; ++cell) {
        const int column = cell % PatternDatabase::Side, row = cell / PatternDatabase::Side;
        masks[cell] = (column > 0 ? 1u << (cell - 1) : 0) | (column < 3 ? 1u << (cell + 1) : 0) |
                      (row > 0 ? 1u << (cell - 4) : 0) | (row < 3 ? 1u << (cell + 4) : 0);
    }
    return masks;
}();

// The cells of `open` connected to `from` (a subset of `open`).
unsigned Region(unsigned from, unsigned open)
{
    for (unsigned region = from;;) {
        const unsigned grown =
            (region | ((region << 1) & ~LeftColumn) | ((region >> 1) & ~RightColumn) | (region << 4) | (region >> 4)) &
            open;
        if (grown == region)
            return region;
        region = grown;
    }
}

// For each set of open cells and each cell in it, the region around that cell: its lowest cell
// (low nibble) and its order among the set's regions (high nibble). [open << 4 | cell]
// Made afresh for each search (milliseconds), so that no table outlives a search still running on a
// worker when the program ends.
std::vector<std::uint8_t> RegionCorners()
{
    std::vector<std::uint8_t> made(std::size_t{1} << 20, 0);
    for (unsigned open = 0; open <= Board; ++open) {
        unsigned order = 0;
        for (unsigned left = open; left != 0; ++order) {
            const unsigned corner = static_cast<unsigned>(std::countr_zero(left));
            const unsigned region = Region(1u << corner, open);
            for (unsigned cells = region; cells != 0; cells &= cells - 1)
                made[open << 4 | static_cast<unsigned>(std::countr_zero(cells))] =
                    static_cast<std::uint8_t>(order << 4 | corner);
            left &= ~region;
        }
    }
    return made;
}

// A bit for each set of open cells that is one region (or none).
std::vector<std::uint64_t> ConnectedSets()
{
    std::vector<std::uint64_t> made((Board + 1) / 64, 0);
    for (unsigned open = 0; open <= Board; ++open)
        if (open == 0 || Region(open & (0u - open), open) == open)
            made[open / 64] |= std::uint64_t{1} << (open % 64);
    return made;
}

// A group of at most seven tiles cuts the board into at most seven regions, so a byte of seen
// regions suffices.
static_assert(PatternDatabase::MaxTiles <= 8);

// A state of the search: a nibble per tile's cell, the region's lowest cell in the top nibble.
std::uint32_t Pack(const std::uint8_t* cells, int tiles, unsigned corner)
{
    std::uint32_t packed = corner << 28;
    for (int i = 0; i < tiles; ++i)
        packed |= static_cast<std::uint32_t>(cells[i]) << (4 * i);
    return packed;
}

// The states of a layer are expanded a block at a time: first every successor's place in the table
// is worked out and fetched ahead, then they are looked at. The table is far larger than the
// processor's caches, so this keeps many fetches under way at once instead of one.
class Search {
public:
    explicit Search(const std::vector<int>& tiles)
        : tiles_(static_cast<int>(tiles.size())),
          placings_(PatternDatabase::PlacingCount(tiles_), Unreached),
          corners_(RegionCorners()),
          connected_(ConnectedSets())
    {
        std::array<std::uint8_t, PatternDatabase::MaxTiles> home{};
        unsigned taken = 0;
        for (int i = 0; i < tiles_; ++i) {
            home[i] = static_cast<std::uint8_t>(tiles[i]);
            taken |= 1u << tiles[i];
        }
        const std::size_t index = PatternDatabase::IndexOf(home.data(), tiles_);
        const unsigned region = corners_[(Board & ~taken) << 4 | HoleHome];
        placings_[index] = static_cast<std::uint16_t>(1u << (8 + (region >> 4)));
        layer_.push_back(Pack(home.data(), tiles_, region & 0xF));
    }

    bool Run(const std::stop_token& stop)
    {
        for (int moves = 1; !layer_.empty(); ++moves) {
            for (std::size_t first = 0; first < layer_.size(); first += Block) {
                if (stop.stop_requested())
                    return false;
                const std::size_t end = std::min(layer_.size(), first + Block);
                for (std::size_t i = first; i < end; ++i)
                    Successors(layer_[i]);
                Visit(moves);
            }
            layer_.swap(next_);
            next_.clear();
        }
        return true;
    }

    std::vector<std::uint8_t> TakeValues() const
    {
        std::vector<std::uint8_t> values(placings_.size());
        std::transform(placings_.begin(), placings_.end(), values.begin(),
                       [](std::uint16_t placing) { return static_cast<std::uint8_t>(placing & 0xFF); });
        return values;
    }

private:
    static constexpr std::size_t Block = 256;

    struct Successor {
        std::uint32_t state;
        std::uint32_t index;
        std::uint8_t region;  // order among the placing's regions
    };

    // Every move of one of the group's tiles into a cell the hole can reach.
    void Successors(std::uint32_t state)
    {
        std::array<std::uint8_t, PatternDatabase::MaxTiles> cells{};
        unsigned taken = 0;
        for (int i = 0; i < tiles_; ++i) {
            cells[i] = static_cast<std::uint8_t>(state >> (4 * i) & 0xF);
            taken |= 1u << cells[i];
        }
        const unsigned open = Board & ~taken;
        const unsigned region = Region(1u << (state >> 28), open);
        for (int i = 0; i < tiles_; ++i) {
            const unsigned from = cells[i];
            for (unsigned targets = NeighbourMasks[from] & region; targets != 0; targets &= targets - 1) {
                const unsigned to = static_cast<unsigned>(std::countr_zero(targets));
                cells[i] = static_cast<std::uint8_t>(to);
                const std::size_t index = PatternDatabase::IndexOf(cells.data(), tiles_);
                const unsigned reached = RegionOf(open ^ (1u << to) ^ (1u << from), from);
                __builtin_prefetch(&placings_[index], 1);
                successors_.push_back({Pack(cells.data(), tiles_, reached & 0xF), static_cast<std::uint32_t>(index),
                                       static_cast<std::uint8_t>(reached >> 4)});
            }
            cells[i] = static_cast<std::uint8_t>(from);
        }
    }

    // Each placing keeps its value in the low byte and the regions it was reached in above it.
    void Visit(int moves)
    {
        for (const Successor& successor : successors_) {
            std::uint16_t& placing = placings_[successor.index];
            const unsigned bit = 1u << (8 + successor.region);
            if ((placing & bit) != 0)
                continue;
            if ((placing & 0xFF) == Unreached)
                placing = static_cast<std::uint16_t>((placing & 0xFF00) | static_cast<unsigned>(moves));
            placing = static_cast<std::uint16_t>(placing | bit);
            next_.push_back(successor.state);
        }
        successors_.clear();
    }

    // As RegionCorners says, but most sets of open cells are all one region: those are told by a
    // table small enough to stay in the processor's nearest cache.
    unsigned RegionOf(unsigned open, unsigned cell) const
    {
        if ((connected_[open / 64] >> (open % 64) & 1) != 0)
            return static_cast<unsigned>(std::countr_zero(open));
        return corners_[open << 4 | cell];
    }

    const int tiles_;
    std::vector<std::uint16_t> placings_;
    const std::vector<std::uint8_t> corners_;
    const std::vector<std::uint64_t> connected_;
    std::vector<std::uint32_t> layer_;
    std::vector<std::uint32_t> next_;
    std::vector<Successor> successors_;
};

} // namespace

bool IsPatternGroup(const std::vector<int>& tiles)
{
    if (tiles.empty() || tiles.size() > PatternDatabase::MaxTiles)
        return false;
    unsigned seen = 0;
    for (int tile : tiles) {
        if (tile < 0 || tile >= HoleHome || (seen >> tile & 1) != 0)
            return false;
        seen |= 1u << tile;
    }
    return true;
}

std::size_t PatternDatabase::PlacingCount(int tiles)
{
    std::size_t count = 1;
    for (int i = 0; i < tiles; ++i)
        count *= static_cast<std::size_t>(Cells - i);
    return count;
}

std::optional<PatternDatabase> PatternDatabase::Build(const std::vector<int>& tiles, std::stop_token stop)
{
    if (!IsPatternGroup(tiles))
        return std::nullopt;
    Search search(tiles);
    if (!search.Run(stop))
        return std::nullopt;
    return PatternDatabase(tiles, search.TakeValues());
}

std::optional<PatternDatabase> PatternDatabase::FromValues(const std::vector<int>& tiles,
                                                           std::vector<std::uint8_t> values)
{
    if (!IsPatternGroup(tiles) || values.size() != PlacingCount(static_cast<int>(tiles.size())) ||
        std::find(values.begin(), values.end(), Unreached) != values.end())
        return std::nullopt;
    return PatternDatabase(tiles, std::move(values));
}
