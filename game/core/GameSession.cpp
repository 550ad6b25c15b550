#include "GameSession.h"

#include "GameClock.h"
#include "Jumble.h"
#include "RandomSource.h"

namespace {

int JumblesFor(StartRoute route)
{
    switch (route) {
    case StartRoute::New:
    case StartRoute::FromThisZip:
    case StartRoute::Size:
        return 2;
    case StartRoute::FirstPuzzle:
    case StartRoute::Open:
    case StartRoute::Jumble:
    case StartRoute::Mode:
        break;
    }
    return 1;
}

} // namespace

GameSession::GameSession(const GameClock& clock, RandomSource& random)
    : clock_(clock), random_(random), history_{Position::Solved(4, GameMode::TileSwap)}
{
}

// Seeded afresh each time: two jumbles within the same second deal the same board.
Position GameSession::JumbledNow(int n, GameMode mode)
{
    random_.Seed(static_cast<unsigned>(clock_.Now()));
    return Jumble(n, mode, random_);
}

void GameSession::StartGame(StartRoute route, int n, GameMode mode)
{
    Position dealt = JumbledNow(n, mode);
    for (int again = 1; again < JumblesFor(route); ++again)
        dealt = JumbledNow(n, mode);
    history_.assign(1, dealt);
    selection_.reset();
    moves_ = 0;
    elapsed_ = 0;
    finished_ = false;
    startTime_ = clock_.Now();
    Notify(&SessionObserver::Changed);
    Notify(&SessionObserver::GameStarted);
}

ClickResult GameSession::Click(Cell cell)
{
    const Position& current = Current();
    if (!current.Contains(cell))
        return ClickResult::Ignored;
    if (current.Mode() == GameMode::Slider)
        return Play(Move::Slide(cell)) ? ClickResult::Slid : ClickResult::Ignored;

    if (!selection_) {
        selection_ = cell;
        Notify(&SessionObserver::Changed);
        return ClickResult::Selected;
    }
    // The selected tile pressed again, wherever it is, is put down without a move.
    if (current.At(cell) == current.At(*selection_)) {
        selection_.reset();
        Notify(&SessionObserver::Changed);
        return ClickResult::Deselected;
    }
    const Cell first = *selection_;
    selection_.reset();
    Play(Move::Swap(first, cell));
    return ClickResult::Swapped;
}

bool GameSession::Play(const Move& move)
{
    const std::optional<Position> after = Apply(Current(), move);
    if (!after)
        return false;
    const Position before = Current();
    history_.push_back(*after);
    selection_.reset();
    ++moves_;
    if (observer_)
        observer_->Moved(move, before, *after);
    // The player sees the finished picture before any announcement.
    Notify(&SessionObserver::Changed);
    if (IsSolved(*after) && !finished_) {
        // A clock set back while playing must not give a negative time on the scoreboard.
        const std::int64_t taken = clock_.Now() - startTime_;
        elapsed_ = taken < 0 ? 0 : static_cast<long>(taken);
        finished_ = true;
        if (observer_)
            observer_->Completed(GameResult{static_cast<int>(after->Mode()), after->N(), elapsed_, moves_});
    }
    return true;
}

// Slider mode is left without a hole, so no slide is possible until the next game.
void GameSession::SolveForMe()
{
    history_.push_back(Current().WithEveryTileHome());
    finished_ = true;
    selection_.reset();
    Notify(&SessionObserver::Changed);
}

void GameSession::Arrange(const Position& position)
{
    history_.assign(1, position);
    selection_.reset();
    Notify(&SessionObserver::Changed);
}

void GameSession::Notify(void (SessionObserver::*call)())
{
    if (observer_)
        (observer_->*call)();
}
