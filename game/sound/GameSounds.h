#pragma once

#include "GameSession.h"
#include "SoundPlayer.h"

#include <functional>

// The game's sounds, played as the session reports: a slide or a swap for each move, a fanfare
// for a completed game. Only while the Sound option is on.
class GameSounds : public SessionListener {
public:
    using Switch = std::function<bool()>;

    GameSounds(SoundPlayer& player, Switch on) : player_(player), on_(std::move(on)) {}

    void Moved(const Move& move, const Position& before, const Position& after) override;
    void Completed(const GameResult& result) override;

private:
    void Play(const char* name);

    SoundPlayer& player_;
    Switch on_;
};
