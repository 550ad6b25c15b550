#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

// For a group of tiles of the 4 x 4 slider: from each placing of the group, the fewest moves of
// the group's own tiles that bring them all home, however the hole and the other tiles move in
// between. Moves of other tiles are free, so the tables of disjoint groups add up to a lower bound
// of the moves the whole position needs.
class PatternDatabase {
public:
    static constexpr int Side = 4;
    static constexpr int Cells = Side * Side;
    static constexpr int MaxTiles = 7;  // a placing and its hole region fit 32 bits

    // Breadth-first search from the group at home; empty when stopped first, or for a group that
    // is empty, too large, or names a tile twice or one that is not on the board.
    static std::optional<PatternDatabase> Build(const std::vector<int>& tiles, std::stop_token stop = {});
    // Values made earlier by Build for the same group, e.g. read back from a file; empty unless
    // their count fits the group and every placing has a value.
    static std::optional<PatternDatabase> FromValues(const std::vector<int>& tiles, std::vector<std::uint8_t> values);

    // How many placings a group of `tiles` tiles has: 16! / (16 - tiles)!.
    static std::size_t PlacingCount(int tiles);
    // The placing where the group's i-th tile is in cells[i] (all different), as an index.
    static std::size_t IndexOf(const std::uint8_t* cells, int tiles)
    {
        std::size_t index = 0;
        for (int i = 0; i < tiles; ++i) {
            unsigned place = cells[i];
            for (int j = 0; j < i; ++j)
                place -= cells[j] < cells[i];
            index = index * static_cast<std::size_t>(Cells - i) + place;
        }
        return index;
    }

    const std::vector<int>& Tiles() const { return tiles_; }
    int Moves(std::size_t index) const { return values_[index]; }
    const std::uint8_t* Data() const { return values_.data(); }
    const std::vector<std::uint8_t>& Values() const { return values_; }

private:
    PatternDatabase(std::vector<int> tiles, std::vector<std::uint8_t> values)
        : tiles_(std::move(tiles)), values_(std::move(values))
    {
    }

    std::vector<int> tiles_;
    std::vector<std::uint8_t> values_;
};

// Whether `tiles` can be a group: 1..MaxTiles different tiles of the 4 x 4 (0..14).
bool IsPatternGroup(const std::vector<int>& tiles);
