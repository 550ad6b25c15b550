#pragma once

#include "PatternDatabase.h"

#include <array>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

// The 4 x 4 slider's tiles split into three groups of 6, 6 and 3, each with its table; the sum of
// the three is a lower bound of a position's distance, and so is the same sum for the position
// mirrored in the diagonal through the hole's home, which is solved exactly when the position is.
// About 11.5 MB in all.
class PatternTables {
public:
    static constexpr int Groups = 3;
    using Partition = std::array<std::vector<int>, Groups>;
    // The tiles of each group (tile t's home is cell t).
    static const Partition& Groups663();

    // Builds the groups' tables, two at a time; empty when stopped first or when `groups` is not
    // a partition of the 15 tiles.
    static std::optional<PatternTables> Build(std::stop_token stop = {}, const Partition& groups = Groups663());

    // The tables as bytes to keep in a file: a header naming the format and the groups, the
    // values, and a checksum of all before it.
    std::vector<std::uint8_t> ToBytes() const;
    // Tables from such bytes; empty for bytes that are damaged, cut short, of another format or
    // another partition.
    static std::optional<PatternTables> FromBytes(const std::vector<std::uint8_t>& bytes,
                                                  const Partition& groups = Groups663());

    const PatternDatabase& Group(int group) const { return databases_[group]; }

private:
    explicit PatternTables(std::array<PatternDatabase, Groups> databases) : databases_(std::move(databases)) {}

    std::array<PatternDatabase, Groups> databases_;
};
