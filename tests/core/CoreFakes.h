#pragma once

#include "GameClock.h"
#include "Position.h"
#include "RandomSource.h"

#include <cstddef>
#include <vector>

// A clock that stands still until the test moves it.
class FakeClock : public GameClock {
public:
    std::int64_t Now() const override { return now; }
    std::int64_t now = 1000;
};

// Gives back the numbers it is handed, in turn and then again, and records every seed.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<int> numbers) : numbers_(std::move(numbers)) {}
    void Seed(unsigned seed) override { seeds.push_back(seed); }
    int Next() override { ++draws; return numbers_[next_++ % numbers_.size()]; }

    std::vector<unsigned> seeds;
    int draws = 0;

private:
    std::vector<int> numbers_;
    std::size_t next_ = 0;
};

// The in-use cells, column by column.
inline std::vector<int> InUseCells(const Position& position)
{
    std::vector<int> cells;
    for (int column = 0; column < position.N(); ++column)
        for (int row = 0; row < position.N(); ++row)
            cells.push_back(position.At(column, row));
    return cells;
}
