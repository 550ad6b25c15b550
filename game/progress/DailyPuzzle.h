#pragma once

#include "GameRecord.h"
#include "Position.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The daily puzzle: a 4 x 4 slider of the built-in picture whose position depends only on the
// date, the same for everyone that day, drawn uniformly from every position slides can solve.
// Anyone can check a day's position from this description (README repeats it):
//  - seed: the date as the number YYYYMMDD (2026-12-08 gives 20261208);
//  - generator: SplitMix64 from that seed;
//  - a number below k: take the next output x, draw again while x >= 2^64 - (2^64 mod k), answer
//    x mod k;
//  - the cells row by row hold 0, 1, ..., 14 and the hole; for i from 15 down to 1 swap cell i
//    with cell j, j a number below i + 1 (Fisher-Yates);
//  - when slides cannot solve the result, swap the cells holding tiles 0 and 1: that pairs each
//    unsolvable arrangement with one solvable one, so every solvable one stays equally likely;
//  - should that be the solved picture, shuffle the cells again from there with the same generator.
namespace DailyPuzzle {

constexpr int N = 4;

// Steele, Lea and Flood's SplitMix64: small, fast, and fully described by a few constants.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next();
    // A number from 0 to bound - 1, every one equally likely; bound is at least 1.
    std::uint64_t Below(std::uint64_t bound);

private:
    std::uint64_t state_;
};

std::uint64_t Seed(std::chrono::year_month_day date);
Position PositionFor(std::chrono::year_month_day date);

std::string IsoDate(std::chrono::year_month_day date);
std::optional<std::chrono::year_month_day> ParseIsoDate(std::string_view text);

// Days in a row, up to today, with a finished daily puzzle in the records. A streak still counts
// on a day whose puzzle is not done yet: it runs up to yesterday then.
int Streak(const std::vector<GameRecord>& records, std::chrono::year_month_day today);

} // namespace DailyPuzzle
