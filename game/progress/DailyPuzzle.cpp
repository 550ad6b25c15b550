#include "DailyPuzzle.h"

#include "SavedGame.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <numeric>
#include <set>

namespace DailyPuzzle {

std::uint64_t SplitMix64::Next()
{
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint64_t SplitMix64::Below(std::uint64_t bound)
{
    // 2^64 mod bound, in 64-bit arithmetic: the top values that would favour the low numbers.
    const std::uint64_t slack = (0 - bound) % bound;
    std::uint64_t x = Next();
    while (slack != 0 && x >= 0 - slack)
        x = Next();
    return x % bound;
}

std::uint64_t Seed(std::chrono::year_month_day date)
{
    return std::uint64_t(int(date.year())) * 10000 + unsigned(date.month()) * 100 + unsigned(date.day());
}

Position PositionFor(std::chrono::year_month_day date)
{
    constexpr int cellCount = N * N;
    SplitMix64 random(Seed(date));
    std::vector<int> cells(cellCount);
    std::iota(cells.begin(), cells.end(), 0);
    cells.back() = Position::Hole;
    while (true) {
        for (int i = cellCount - 1; i >= 1; --i)
            std::swap(cells[i], cells[random.Below(std::uint64_t(i) + 1)]);
        if (!SlidesCanSolve(cells, N))
            std::iter_swap(std::find(cells.begin(), cells.end(), 0), std::find(cells.begin(), cells.end(), 1));
        const Position position = PositionOfCells(cells, N, GameMode::Slider);
        if (!IsSolved(position))
            return position;
    }
}

std::string IsoDate(std::chrono::year_month_day date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(date.year()), unsigned(date.month()), unsigned(date.day()));
    return text;
}

std::optional<std::chrono::year_month_day> ParseIsoDate(std::string_view text)
{
    if (!RecordFormat::IsIsoDate(text))
        return std::nullopt;
    int year = 0;
    unsigned month = 0, day = 0;
    std::from_chars(text.data(), text.data() + 4, year);
    std::from_chars(text.data() + 5, text.data() + 7, month);
    std::from_chars(text.data() + 8, text.data() + 10, day);
    return std::chrono::year_month_day(std::chrono::year(year), std::chrono::month(month), std::chrono::day(day));
}

int Streak(const std::vector<GameRecord>& records, std::chrono::year_month_day today)
{
    std::set<std::chrono::sys_days> played;
    for (const GameRecord& record : records) {
        if (const auto date = ParseIsoDate(record.DailyDate))
            played.insert(std::chrono::sys_days(*date));
    }
    std::chrono::sys_days day(today);
    if (!played.contains(day))
        day -= std::chrono::days(1);
    int streak = 0;
    for (; played.contains(day); day -= std::chrono::days(1))
        ++streak;
    return streak;
}

} // namespace DailyPuzzle
