#include "PatternTables.h"

#include <algorithm>
#include <cstring>
#include <thread>

namespace {

constexpr char Magic[8] = {'T', 'i', 'l', 'o', 'r', 'a', 'P', 'T'};
constexpr std::uint32_t FormatVersion = 1;

void PutNumber(std::vector<std::uint8_t>& bytes, std::uint64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// FNV-1a: enough to tell a damaged or cut file from a whole one; nobody gains by forging tables.
std::uint64_t Checksum(const std::uint8_t* bytes, std::size_t size)
{
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ bytes[i]) * 0x100000001b3u;
    return hash;
}

// Everything before the values: the format and the groups' tiles, so that tables of another
// partition are never taken for these.
std::vector<std::uint8_t> Header(const PatternTables::Partition& groups)
{
    std::vector<std::uint8_t> header(std::begin(Magic), std::end(Magic));
    PutNumber(header, FormatVersion, 4);
    PutNumber(header, groups.size(), 1);
    for (const std::vector<int>& tiles : groups) {
        PutNumber(header, tiles.size(), 1);
        for (int tile : tiles)
            PutNumber(header, static_cast<std::uint64_t>(tile), 1);
    }
    return header;
}

// Every tile in exactly one group, so that the sum is a lower bound and is 0 only when solved.
bool IsPartition(const PatternTables::Partition& groups)
{
    unsigned seen = 0;
    for (const std::vector<int>& tiles : groups) {
        if (!IsPatternGroup(tiles))
            return false;
        for (int tile : tiles) {
            if ((seen >> tile & 1) != 0)
                return false;
            seen |= 1u << tile;
        }
    }
    return seen == (1u << (PatternDatabase::Cells - 1)) - 1;
}

} // namespace

const PatternTables::Partition& PatternTables::Groups663()
{
    // A block of two rows by three columns far from the hole's home, the six tiles around that
    // home, and the three left in the bottom-left corner:
    //   A A A B
    //   A A A B
    //   C C B B
    //   C B B .
    // Mirrored, A stands upright, B keeps its shape and C lies along the top right. Of the 6-6-3
    // partitions tried on random positions, this one searched the fewest nodes, by far: the tiles
    // that crowd round the hole's home are the ones whose moves get in each other's way.
    // Never destroyed: a build still running at exit reads it until the table keeper, made
    // earlier and so destroyed later, has stopped that build.
    static const Partition* const groups = new Partition{{{0, 1, 2, 4, 5, 6}, {3, 7, 10, 11, 13, 14}, {8, 9, 12}}};
    return *groups;
}

std::optional<PatternTables> PatternTables::Build(std::stop_token stop, const Partition& groups)
{
    if (!IsPartition(groups))
        return std::nullopt;
    // The two large groups take about the same time: one on a worker, one here.
    std::optional<PatternDatabase> first;
    std::thread worker([&] { first = PatternDatabase::Build(groups[0], stop); });
    std::optional<PatternDatabase> second = PatternDatabase::Build(groups[1], stop);
    std::optional<PatternDatabase> third = second ? PatternDatabase::Build(groups[2], stop) : std::nullopt;
    worker.join();
    if (!first || !second || !third)
        return std::nullopt;
    return PatternTables({std::move(*first), std::move(*second), std::move(*third)});
}

std::vector<std::uint8_t> PatternTables::ToBytes() const
{
    Partition groups;
    for (int group = 0; group < Groups; ++group)
        groups[group] = databases_[group].Tiles();
    std::vector<std::uint8_t> bytes = Header(groups);
    for (const PatternDatabase& database : databases_)
        bytes.insert(bytes.end(), database.Values().begin(), database.Values().end());
    PutNumber(bytes, Checksum(bytes.data(), bytes.size()), 8);
    return bytes;
}

std::optional<PatternTables> PatternTables::FromBytes(const std::vector<std::uint8_t>& bytes, const Partition& groups)
{
    if (!IsPartition(groups))
        return std::nullopt;
    const std::vector<std::uint8_t> header = Header(groups);
    std::size_t size = header.size() + 8;
    for (const std::vector<int>& tiles : groups)
        size += PatternDatabase::PlacingCount(static_cast<int>(tiles.size()));
    if (bytes.size() != size || !std::equal(header.begin(), header.end(), bytes.begin()))
        return std::nullopt;
    std::uint64_t stored = 0;
    for (int i = 0; i < 8; ++i)
        stored |= static_cast<std::uint64_t>(bytes[size - 8 + i]) << (8 * i);
    if (stored != Checksum(bytes.data(), size - 8))
        return std::nullopt;
    std::vector<std::optional<PatternDatabase>> databases;
    auto values = bytes.begin() + static_cast<std::ptrdiff_t>(header.size());
    for (const std::vector<int>& tiles : groups) {
        const auto end = values + static_cast<std::ptrdiff_t>(PatternDatabase::PlacingCount(static_cast<int>(tiles.size())));
        databases.push_back(PatternDatabase::FromValues(tiles, std::vector<std::uint8_t>(values, end)));
        if (!databases.back())
            return std::nullopt;
        values = end;
    }
    return PatternTables({std::move(*databases[0]), std::move(*databases[1]), std::move(*databases[2])});
}
