#include "GameStatistics.h"

#include <algorithm>
#include <deque>
#include <map>
#include <numeric>

namespace {

// The running figures of one group; the latest times kept for the means.
struct Tally {
    GroupStatistics Figures;
    std::deque<std::int64_t> Latest;  // at most 12
    double RatioSum = 0;
    int RatioGames = 0;

    void Add(const GameRecord& record)
    {
        ++Figures.Games;
        if (record.Hints == 0) {
            Figures.BestSeconds = std::min(Figures.BestSeconds.value_or(record.Seconds), record.Seconds);
            Figures.BestMoves = std::min(Figures.BestMoves.value_or(record.Moves), record.Moves);
        }
        Latest.push_back(record.Seconds);
        if (Latest.size() > 12)
            Latest.pop_front();
        if (HasShortestLength(record.N, record.Mode) && record.Fewest && *record.Fewest > 0) {
            RatioSum += double(record.TilesMoved) / *record.Fewest;
            ++RatioGames;
        }
    }

    std::optional<double> MeanOfLast(size_t count) const
    {
        if (Latest.size() < count)
            return std::nullopt;
        return std::accumulate(Latest.end() - std::ptrdiff_t(count), Latest.end(), 0.0) / double(count);
    }

    GroupStatistics Finished() const
    {
        GroupStatistics figures = Figures;
        figures.MeanOfLast5 = MeanOfLast(5);
        figures.MeanOfLast12 = MeanOfLast(12);
        if (RatioGames > 0)
            figures.TilesOverFewest = RatioSum / RatioGames;
        return figures;
    }
};

} // namespace

bool HasShortestLength(int n, GameMode mode)
{
    return mode == GameMode::Slider && (n == 3 || n == 4);
}

std::vector<GroupStatistics> Statistics(const std::vector<GameRecord>& records)
{
    std::map<std::pair<GameMode, int>, Tally> groups;
    for (const GameRecord& record : records) {
        Tally& tally = groups[{record.Mode, record.N}];
        tally.Figures.N = record.N;
        tally.Figures.Mode = record.Mode;
        tally.Add(record);
    }
    std::vector<GroupStatistics> statistics;
    for (const auto& [key, tally] : groups)
        statistics.push_back(tally.Finished());
    return statistics;
}

std::vector<std::int64_t> LatestTimes(const std::vector<GameRecord>& records, int n, GameMode mode, int count)
{
    std::vector<std::int64_t> times;
    for (auto record = records.rbegin(); record != records.rend() && int(times.size()) < count; ++record) {
        if (record->N == n && record->Mode == mode)
            times.push_back(record->Seconds);
    }
    std::reverse(times.begin(), times.end());
    return times;
}
