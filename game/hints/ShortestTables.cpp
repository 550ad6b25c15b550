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

    const PatternTables* Wait(std::stop_token stop)
    {
        Prepare();
        std::unique_lock lock(mutex_);
        ready_.wait(lock, stop, [this] { return tables_.has_value(); });
        return tables_ ? &*tables_ : nullptr;
    }

    const PatternTables* IfReady()
    {
        const std::lock_guard lock(mutex_);
        return tables_ ? &*tables_ : nullptr;
    }

private:
    void Make(const std::stop_token& stop)
    {
        std::optional<PatternTables> made = LoadOrBuild(store_, stop);
        if (!made)
            return;
        const std::lock_guard lock(mutex_);
        tables_ = std::move(made);
        ready_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable_any ready_;
    TableStore store_;  // fixed once the worker has started
    std::optional<PatternTables> tables_;  // never changes once set, so callers may keep a pointer
    std::jthread worker_;  // last: stopped and joined before the rest goes
};

Keeper& TheKeeper()
{
    static Keeper keeper;
    return keeper;
}

} // namespace

std::optional<PatternTables> LoadOrBuild(const TableStore& store, std::stop_token stop,
                                         const PatternTables::Partition& groups)
{
    if (store.load)
        if (const std::optional<std::vector<std::uint8_t>> kept = store.load())
            if (std::optional<PatternTables> tables = PatternTables::FromBytes(*kept, groups))
                return tables;
    std::optional<PatternTables> built = PatternTables::Build(std::move(stop), groups);
    if (built && store.save)
        store.save(built->ToBytes());
    return built;
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

const PatternTables* Wait(std::stop_token stop)
{
    return TheKeeper().Wait(std::move(stop));
}

const PatternTables* IfReady()
{
    return TheKeeper().IfReady();
}

} // namespace ShortestTables
