#include "ShortestTables.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// Ends with the program: a build still running is stopped and waited for, so it never outlives
// what it uses.
class Keeper {
public:
    void UseStore(TableStore store)
    {
        const std::lock_guard lock(mutex_);
        if (!worker_.joinable())
            store_ = std::move(store);
    }

    void Prepare()
    {
        const std::lock_guard lock(mutex_);
        if (!worker_.joinable())
            worker_ = std::jthread([this](std::stop_token stop) { Make(stop); });
    }

    const PatternLookup* Wait(std::stop_token stop)
    {
        Prepare();
        std::unique_lock lock(mutex_);
        ready_.wait(lock, stop, [this] { return tables_.has_value(); });
        return tables_ ? &*tables_ : nullptr;
    }

    const PatternLookup* IfReady()
    {
        const std::lock_guard lock(mutex_);
        return tables_ ? &*tables_ : nullptr;
    }

private:
    void Make(const std::stop_token& stop)
    {
        std::optional<PatternLookup> made = LoadOrBuild(store_, stop);
        if (!made)
            return;
        const std::lock_guard lock(mutex_);
        tables_ = std::move(made);
        ready_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable_any ready_;
    TableStore store_;  // fixed once the worker has started
    std::optional<PatternLookup> tables_;  // never changes once set, so callers may keep a pointer
    std::jthread worker_;  // last: stopped and joined before the rest goes
};

Keeper& TheKeeper()
{
    static Keeper keeper;
    return keeper;
}

} // namespace

std::optional<PatternLookup> LoadOrBuild(const TableStore& store, std::stop_token stop,
                                         const PatternTables::Partition& groups)
{
    if (store.load)
        if (const std::optional<std::vector<std::uint8_t>> kept = store.load())
            if (const std::optional<PatternTables> tables = PatternTables::FromBytes(*kept, groups))
                if (std::optional<PatternLookup> lookup = PatternLookup::From(*tables))
                    return lookup;
    const std::optional<PatternTables> built = PatternTables::Build(std::move(stop), groups);
    if (!built)
        return std::nullopt;
    if (store.save)
        store.save(built->ToBytes());
    return PatternLookup::From(*built);
}

namespace ShortestTables {

void UseStore(TableStore store)
{
    TheKeeper().UseStore(std::move(store));
}

void Prepare()
{
    TheKeeper().Prepare();
}

const PatternLookup* Wait(std::stop_token stop)
{
    return TheKeeper().Wait(std::move(stop));
}

const PatternLookup* IfReady()
{
    return TheKeeper().IfReady();
}

} // namespace ShortestTables
