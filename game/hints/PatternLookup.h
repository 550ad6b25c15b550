#pragma once

#include "PatternTables.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The pattern tables laid out for the search. The index of a placing is simply a nibble per tile's
// cell, so a move changes it by one shift and add; and each entry keeps, in half a byte, how many
// moves the group needs beyond its Manhattan distance, halved (that excess is always even, and
// small). The search keeps the Manhattan distance as it goes. About 17 MB in all.
class PatternLookup {
public:
    // Empty when a value is not one these tables can hold, which whole tables never have.
    static std::optional<PatternLookup> From(const PatternTables& tables);

    const std::vector<int>& Tiles(int group) const { return groups_[group].tiles; }
    // The halved excess of the placing `index` (cell of the group's i-th tile in nibble i).
    int Excess(int group, std::size_t index) const { return ExcessIn(Table(group), index); }
    // The group's table, which the search keeps at hand; and an index's excess and byte in it.
    const std::uint8_t* Table(int group) const { return groups_[group].excess.data(); }
    static int ExcessIn(const std::uint8_t* table, std::size_t index)
    {
        return *EntryIn(table, index) >> (index % 2 * 4) & 0xF;
    }
    static const std::uint8_t* EntryIn(const std::uint8_t* table, std::size_t index) { return table + index / 2; }
    std::size_t MemoryBytes() const;

private:
    struct Group {
        std::vector<int> tiles;
        std::vector<std::uint8_t> excess;  // two entries a byte
    };

    PatternLookup() = default;

    std::array<Group, PatternTables::Groups> groups_;
};

// Single-tile moves from `cell` to `tile`'s home cell on the 4 x 4.
int ManhattanDistance(int tile, int cell);
