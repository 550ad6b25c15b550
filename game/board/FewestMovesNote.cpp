#include "FewestMovesNote.h"

#include "GameHint.h"

FewestMovesNote::FewestMovesNote(const GameSession& session, QObject* parent) : QObject(parent), session_(session) {}

FewestMovesNote::~FewestMovesNote()
{
    // The worker stops within a few thousand search steps; the member then joins it.
    worker_.request_stop();
}

void FewestMovesNote::GameStarted()
{
    worker_ = std::jthread();
    ++game_;
    fewest_ = -1;
    solved_ = false;
    if (session_.Moves() != 0) {
        fewest_ = session_.KeptFewest();  // the start is gone; the run that began it may have told
        return;
    }
    const Position& start = session_.Current();
    const HintPosition asked = HintPositionOf(start);
    if (start.Mode() == GameMode::TileSwap) {
        fewest_ = SwapsToGo(asked);
        return;
    }
    if (start.N() > 4)
        return;
    // A 4 x 4 on a fresh profile waits here for the tables to be built; the game goes on meanwhile.
    worker_ = std::jthread([this, asked, game = game_](std::stop_token stop) {
        const int fewest = ShortestLength(asked, stop);
        if (fewest >= 0 && !stop.stop_requested())
            QMetaObject::invokeMethod(this, [this, game, fewest] { Found(game, fewest); }, Qt::QueuedConnection);
    });
}

void FewestMovesNote::Completed(const GameResult&)
{
    solved_ = true;
    NoteWhenBothKnown();
}

void FewestMovesNote::Found(std::uint64_t game, int fewest)
{
    if (game != game_)
        return;
    fewest_ = fewest;
    emit FewestFound(fewest);
    NoteWhenBothKnown();
}

void FewestMovesNote::NoteWhenBothKnown()
{
    if (!solved_ || fewest_ < 0)
        return;
    if (session_.Current().Mode() == GameMode::Slider)
        emit Noted(tr("Solved: %n tiles moved; the fewest possible was %1.", nullptr, session_.TilesMoved()).arg(fewest_));
    else
        emit Noted(tr("Solved: %n swaps; the fewest possible was %1.", nullptr, session_.Moves()).arg(fewest_));
}
