#pragma once

#include <QString>
#include <memory>

// Plays the game's WAVE resources by name (":/WAVE/<name>"), asynchronously. A new sound cuts off
// the one still playing. With no audio device the game is simply silent.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void Play(const QString& resourceName) = 0;

    // The player that reaches the speakers; tests substitute their own.
    static std::unique_ptr<SoundPlayer> CreateDefault();
};
