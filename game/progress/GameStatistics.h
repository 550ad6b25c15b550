#pragma once

#include "GameRecord.h"

#include <cstdint>
#include <optional>
#include <vector>

// The figures of one size and mode over the history.
struct GroupStatistics {
    int N = 0;
    GameMode Mode = GameMode::TileSwap;
    int Games = 0;
    // Bests count only games played without hints, as the scoreboards do.
    std::optional<std::int64_t> BestSeconds;
    std::optional<int> BestMoves;
    // Mean seconds of the latest 5 and 12 games; nothing until that many were played.
    std::optional<double> MeanOfLast5;
    std::optional<double> MeanOfLast12;
    // 3 x 3 and 4 x 4 sliders: the mean of tiles moved divided by the fewest possible, over the
    // games whose fewest is known (1.0 is a perfect game).
    std::optional<double> TilesOverFewest;
};

// One entry for each size and mode played: tile swap first, then slider, each by size.
std::vector<GroupStatistics> Statistics(const std::vector<GameRecord>& records);

// The seconds of the latest games of a size and mode, at most count of them, the oldest first.
std::vector<std::int64_t> LatestTimes(const std::vector<GameRecord>& records, int n, GameMode mode, int count);

// Whether the fewest possible tile moves is worked out for games of this size and mode.
bool HasShortestLength(int n, GameMode mode);
