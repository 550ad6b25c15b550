#pragma once

#include "PatternLookup.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <stop_token>
#include <vector>

// Where the 4 x 4 tables are kept between runs, as the bytes PatternTables::ToBytes makes. Either
// function may be empty; `load` gives nothing when there is nothing (readable) kept.
struct TableStore {
    std::function<std::optional<std::vector<std::uint8_t>>()> load;
    std::function<void(const std::vector<std::uint8_t>&)> save;
};

// The tables from `store` when it holds whole ones of `groups`; else built and given to the store.
// Empty only when stopped first.
std::optional<PatternLookup> LoadOrBuild(const TableStore& store, std::stop_token stop = {},
                                         const PatternTables::Partition& groups = PatternTables::Groups663());

// The 4 x 4 tables of this process, made once: read from the store, or, when it has none that are
// whole, built on a worker thread (a few seconds) and stored. Everything here may be called from
// any thread.
namespace ShortestTables {

// Where to keep the tables; takes effect only before the first Prepare.
void UseStore(TableStore store);
// Starts reading or building the tables unless that has begun; returns at once.
void Prepare();
// Prepares the tables and waits until they are ready; nullptr when `stop` is requested first.
const PatternLookup* Wait(std::stop_token stop = {});
// The tables when they are ready, else nullptr; never waits.
const PatternLookup* IfReady();

} // namespace ShortestTables
