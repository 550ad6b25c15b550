#include "HintPosition.h"
#include "PatternTables.h"
#include "ShortestTables.h"
#include "TableFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <deque>
#include <gtest/gtest.h>
#include <map>

namespace {

// Five tiles a group: tables built in well under a second, for the tests of storing them.
const PatternTables::Partition Small = {{{0, 1, 2, 3, 4}, {5, 6, 7, 8, 9}, {10, 11, 12, 13, 14}}};

// The group's cells and the hole's, searched as they are, without any of the table's shortcuts:
// moving the hole onto another tile is free, onto one of the group's costs one.
std::map<std::vector<int>, int> PlainGroupDistances(const std::vector<int>& tiles)
{
    using State = std::pair<std::vector<int>, int>;  // the group's cells, the hole's
    std::map<State, int> cost;
    std::deque<State> open;
    const State home{tiles, 15};
    cost[home] = 0;
    open.push_back(home);
    while (!open.empty()) {
        const State state = open.front();
        open.pop_front();
        const auto& [cells, hole] = state;
        for (int next : {hole - 4, hole - 1, hole + 1, hole + 4}) {
            if (next < 0 || next >= 16 || !AreNeighbours(4, hole, next))
                continue;
            State moved{cells, next};
            const auto tile = std::find(moved.first.begin(), moved.first.end(), next);
            const int step = tile == moved.first.end() ? 0 : 1;
            if (step == 1)
                *tile = hole;
            const int reached = cost[state] + step;
            const auto known = cost.find(moved);
            if (known != cost.end() && known->second <= reached)
                continue;
            cost[moved] = reached;
            step == 0 ? open.push_front(moved) : open.push_back(moved);
        }
    }
    std::map<std::vector<int>, int> distance;
    for (const auto& [state, moves] : cost) {
        const auto known = distance.find(state.first);
        if (known == distance.end() || moves < known->second)
            distance[state.first] = moves;
    }
    return distance;
}

std::vector<std::uint8_t> ReadAll(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    return {bytes.begin(), bytes.end()};
}

} // namespace

TEST(PatternDatabase, AgreesWithAPlainSearchOfTilesAndHole)
{
    for (const std::vector<int>& tiles : {std::vector<int>{14}, {0, 5}, {3, 7, 11}, {0, 1, 4}, {9, 13, 14}}) {
        const std::optional<PatternDatabase> table = PatternDatabase::Build(tiles);
        ASSERT_TRUE(table);
        const std::map<std::vector<int>, int> plain = PlainGroupDistances(tiles);
        ASSERT_EQ(plain.size(), table->Values().size());
        for (const auto& [cells, moves] : plain) {
            std::array<std::uint8_t, PatternDatabase::MaxTiles> at{};
            std::copy(cells.begin(), cells.end(), at.begin());
            ASSERT_EQ(table->Moves(PatternDatabase::IndexOf(at.data(), static_cast<int>(cells.size()))), moves)
                << "group of " << tiles.size() << " starting " << tiles[0];
        }
    }
    EXPECT_FALSE(PatternDatabase::Build({3, 3}));
    EXPECT_FALSE(PatternDatabase::Build({15}));
    EXPECT_FALSE(PatternTables::Build({}, {{{0, 1, 2, 3, 4}, {5, 6, 7, 8, 9}, {10, 11, 12, 13, 13}}}));
}

TEST(PatternTables, TakesBackOnlyTheBytesItGave)
{
    const std::optional<PatternTables> tables = PatternTables::Build({}, Small);
    ASSERT_TRUE(tables);
    const std::vector<std::uint8_t> bytes = tables->ToBytes();
    const std::optional<PatternTables> again = PatternTables::FromBytes(bytes, Small);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->Group(2).Values(), tables->Group(2).Values());

    auto changed = [&](std::size_t at) {
        std::vector<std::uint8_t> damaged = bytes;
        damaged[at] ^= 0x10;
        return damaged;
    };
    const std::vector<std::vector<std::uint8_t>> refused = {
        {},
        std::vector<std::uint8_t>(bytes.begin(), bytes.end() - 1000),
        changed(9),                 // the format's version
        changed(bytes.size() / 2),  // a value
        changed(bytes.size() - 1),  // the checksum
    };
    for (const std::vector<std::uint8_t>& damaged : refused)
        EXPECT_FALSE(PatternTables::FromBytes(damaged, Small)) << damaged.size();
    std::vector<std::uint8_t> longer = bytes;
    longer.push_back(0);
    EXPECT_FALSE(PatternTables::FromBytes(longer, Small));
    EXPECT_FALSE(PatternTables::FromBytes(bytes)) << "tables of another partition";
}

TEST(ShortestTables, ADamagedFileIsBuiltAgainAndReplaced)
{
    QTemporaryDir folder;
    const QString path = folder.path() + "/cache/Tilora/tables.bin";
    const TableStore store = TableFileStore(path);
    ASSERT_TRUE(LoadOrBuild(store, {}, Small));
    const std::vector<std::uint8_t> whole = ReadAll(path);
    EXPECT_TRUE(PatternTables::FromBytes(whole, Small));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(static_cast<qint64>(whole.size() / 2));
    file.write("damage");
    file.close();
    std::stop_source stopped;
    stopped.request_stop();
    EXPECT_FALSE(LoadOrBuild(store, stopped.get_token(), Small)) << "a damaged file is not believed";

    ASSERT_TRUE(LoadOrBuild(store, {}, Small));
    EXPECT_EQ(ReadAll(path), whole);
    ASSERT_TRUE(LoadOrBuild(store, stopped.get_token(), Small)) << "a whole file needs no build";
}
