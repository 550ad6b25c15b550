#include "GameSession.h"

#include "GameClock.h"
#include "Jumble.h"
#include "RandomSource.h"

#include <algorithm>
#include <cstdlib>

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

// Over a copy, asking again before each call: a listener may add or remove listeners (itself
// among them) while it is told.
template <typename... Args, typename... Values>
void GameSession::Tell(void (SessionListener::*call)(Args...), const Values&... values)
{
    const std::vector<SessionListener*> told = listeners_;
    for (SessionListener* listener : told)
        if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end())
            (listener->*call)(values...);
}

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
    BeginGame(dealt);
    startTime_ = clock_.Now();
    Tell(&SessionListener::Changed);
    Tell(&SessionListener::GameStarted);
}

void GameSession::ResumeGame(const Position& position, int moves, long elapsed, bool hintsUsed, int tilesMoved,
                             int keptFewest)
{
    BeginGame(position);
    moves_ = moves;
    hintsUsed_ = hintsUsed;
    tilesMoved_ = tilesMoved;
    keptFewest_ = keptFewest;
    startTime_ = clock_.Now() - elapsed;
    Tell(&SessionListener::Changed);
    Tell(&SessionListener::GameStarted);
}

void GameSession::BeginGame(const Position& position)
{
    history_.assign(1, position);
    ForgetMoves();
    marks_.Deselect();
    moves_ = 0;
    tilesMoved_ = 0;
    keptFewest_ = -1;
    elapsed_ = 0;
    finished_ = false;
    hintsUsed_ = false;
}

void GameSession::ForgetMoves()
{
    history_.erase(history_.begin(), history_.end() - 1);
    played_.clear();
    undone_.clear();
}

long GameSession::RunningTime() const
{
    if (finished_)
        return elapsed_;
    const std::int64_t taken = clock_.Now() - startTime_;
    return taken < 0 ? 0 : static_cast<long>(taken);
}

ClickResult GameSession::Click(Cell cell)
{
    const Position& current = Current();
    if (!current.Contains(cell))
        return ClickResult::Ignored;
    if (current.Mode() == GameMode::Slider)
        return Play(Move::Slide(cell)) ? ClickResult::Slid : ClickResult::Ignored;

    const std::optional<Cell> selection = marks_.Selection();
    if (!selection) {
        marks_.Select(cell);
        Tell(&SessionListener::Changed);
        return ClickResult::Selected;
    }
    // The selected tile pressed again, wherever it is, is put down without a move.
    if (current.At(cell) == current.At(*selection)) {
        marks_.Deselect();
        Tell(&SessionListener::Changed);
        return ClickResult::Deselected;
    }
    marks_.Deselect();
    Play(Move::Swap(*selection, cell));
    return ClickResult::Swapped;
}

bool GameSession::Play(const Move& move)
{
    return Advance(move, false);
}

bool GameSession::Undo()
{
    if (played_.empty())
        return false;
    const Position before = Current();
    const Move taken = played_.back();
    history_.pop_back();
    played_.pop_back();
    undone_.push_back(taken);
    Step(Reverse(taken, Current()), before);
    return true;
}

bool GameSession::Redo()
{
    return !undone_.empty() && Advance(undone_.back(), true);
}

bool GameSession::Advance(Move move, bool replaying)
{
    const std::optional<Position> after = Apply(Current(), move);
    if (!after)
        return false;
    if (replaying)
        undone_.pop_back();
    else
        undone_.clear();
    const Position before = Current();
    history_.push_back(*after);
    played_.push_back(move);
    Step(move, before);
    return true;
}

// The current position has just become the one after the move.
void GameSession::Step(const Move& move, const Position& before)
{
    const Position after = Current();
    marks_.Deselect();
    ++moves_;
    const Cell hole = before.HoleCell();
    tilesMoved_ += move.Type == Move::Kind::Swap
                       ? 2
                       : std::abs(move.At.Column - hole.Column) + std::abs(move.At.Row - hole.Row);
    const bool completes = IsSolved(after) && !finished_;
    if (completes) {
        elapsed_ = RunningTime();
        finished_ = true;
        ForgetMoves();
    }
    Tell(&SessionListener::Moved, move, before, after);
    // The player sees the finished picture before any announcement.
    Tell(&SessionListener::Changed);
    if (completes)
        Tell(&SessionListener::Completed,
             GameResult{static_cast<int>(after.Mode()), after.N(), elapsed_, moves_, hintsUsed_});
}

// Slider mode is left without a hole, so no slide is possible until the next game.
void GameSession::SolveForMe()
{
    history_.push_back(Current().WithEveryTileHome());
    finished_ = true;
    ForgetMoves();
    marks_.Deselect();
    Tell(&SessionListener::Changed);
}

void GameSession::Arrange(const Position& position)
{
    history_.assign(1, position);
    ForgetMoves();
    marks_.Deselect();
    Tell(&SessionListener::Changed);
}

void GameSession::PressPointer(std::optional<Cell> cell)
{
    const bool cursorWent = marks_.HideCursor(cell);
    if ((!cell || Click(*cell) == ClickResult::Ignored) && cursorWent)
        Tell(&SessionListener::Changed);
}

void GameSession::PressKey(std::optional<Direction> arrow)
{
    const Position& current = Current();
    if (current.Mode() == GameMode::Slider) {
        if (arrow)
            if (const auto cell = SlidingInto(current, *arrow))
                Click(*cell);
        return;
    }
    if (marks_.ShowCursor())
        return Tell(&SessionListener::Changed);
    if (arrow) {
        marks_.MoveCursor(current, *arrow);
        return Tell(&SessionListener::Changed);
    }
    Click(*Cursor());
}

void GameSession::AddListener(SessionListener* listener)
{
    listeners_.push_back(listener);
}

void GameSession::RemoveListener(SessionListener* listener)
{
    std::erase(listeners_, listener);
}
