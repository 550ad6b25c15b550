#pragma once

#include <cstdint>

// The game's clock: calendar time in whole seconds. Injected, so that the time of a finished game
// and the seed of a jumble can be set by a test.
class GameClock {
public:
    virtual ~GameClock() = default;
    virtual std::int64_t Now() const = 0;
};

class SystemClock final : public GameClock {
public:
    std::int64_t Now() const override;
};
