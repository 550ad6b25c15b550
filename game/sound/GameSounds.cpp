#include "GameSounds.h"

void GameSounds::Moved(const Move& move, const Position&, const Position&)
{
    Play(move.Type == Move::Kind::Slide ? "IDR_SLIDER" : "IDR_SHUFFLE");
}

void GameSounds::Completed(const GameResult&)
{
    Play("IDR_COMPLETE");
}

void GameSounds::Play(const char* name)
{
    if (on_())
        player_.Play(QString::fromLatin1(name));
}
