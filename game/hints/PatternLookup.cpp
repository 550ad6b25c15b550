#include "PatternLookup.h"

#include <cstdlib>

namespace {

// Visits the group's placings in the order of their indexes in the packed tables, which list the
// first tile's places first, each with all the later tiles' places in the cells left.
class Unpacker {
public:
    Unpacker(const PatternDatabase& packed, std::vector<std::uint8_t>& excess)
        : packed_(packed), tiles_(packed.Tiles()), excess_(excess)
    {
    }

    bool Run() { return Place(0, 0, 0, 0); }

private:
    bool Place(std::size_t slot, unsigned taken, std::size_t index, int distance)
    {
        if (slot == tiles_.size()) {
            const int beyond = packed_.Moves(next_++) - distance;
            if (beyond < 0 || beyond % 2 != 0 || beyond / 2 > 0xF)
                return false;
            excess_[index / 2] = static_cast<std::uint8_t>(excess_[index / 2] | (beyond / 2) << (index % 2 * 4));
            return true;
        }
        for (int cell = 0; cell < PatternDatabase::Cells; ++cell)
            if ((taken >> cell & 1) == 0 &&
                !Place(slot + 1, taken | 1u << cell, index | static_cast<std::size_t>(cell) << (4 * slot),
                       distance + ManhattanDistance(tiles_[slot], cell)))
                return false;
        return true;
    }

    const PatternDatabase& packed_;
    const std::vector<int>& tiles_;
    std::vector<std::uint8_t>& excess_;
    std::size_t next_ = 0;
};

} // namespace

int ManhattanDistance(int tile, int cell)
{
    const int side = PatternDatabase::Side;
    return std::abs(tile % side - cell % side) + std::abs(tile / side - cell / side);
}

std::optional<PatternLookup> PatternLookup::From(const PatternTables& tables)
{
    PatternLookup lookup;
    for (int group = 0; group < PatternTables::Groups; ++group) {
        Group& made = lookup.groups_[group];
        made.tiles = tables.Group(group).Tiles();
        made.excess.assign((std::size_t{1} << (4 * made.tiles.size())) / 2, 0);
        if (!Unpacker(tables.Group(group), made.excess).Run())
            return std::nullopt;
    }
    return lookup;
}

std::size_t PatternLookup::MemoryBytes() const
{
    std::size_t bytes = 0;
    for (const Group& group : groups_)
        bytes += group.excess.size();
    return bytes;
}
