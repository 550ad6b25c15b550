#pragma once

#include "GameResult.h"
#include "Move.h"
#include "Position.h"

#include <cstdint>
#include <optional>
#include <vector>

class GameClock;
class RandomSource;

// How a game begins. Each route keeps the sequence of jumbles the game has always run for it:
// New, "From folder", "From this Zip" and a change of size jumble twice, the others once.
enum class StartRoute { FirstPuzzle, New, FromThisZip, Open, Jumble, Size, Mode };

// What a press on a cell did.
enum class ClickResult { Ignored, Selected, Deselected, Slid, Swapped };

// What a session tells the window; every call comes after the session's state is up to date.
class SessionObserver {
public:
    virtual ~SessionObserver() = default;
    // A move was made: the positions either side of it.
    virtual void Moved(const Move&, const Position& /*before*/, const Position& /*after*/) {}
    // What the board shows has changed: a move, the selection, a new game, the solution.
    virtual void Changed() {}
    // The first solve of a game by the player; once per game.
    virtual void Completed(const GameResult&) {}
    // A new game has begun (after Changed).
    virtual void GameStarted() {}
};

// The game in play: the current position and the positions before it, the selection, the move
// count, the clock and whether the game is finished. The window turns presses into calls here
// and repaints when told; every rule of play is decided here.
class GameSession {
public:
    GameSession(const GameClock& clock, RandomSource& random);

    void SetObserver(SessionObserver* observer) { observer_ = observer; }

    const Position& Current() const { return history_.back(); }
    // The positions undo can go back to, the current one last.
    const std::vector<Position>& History() const { return history_; }
    bool CanUndo() const { return !played_.empty(); }
    bool CanRedo() const { return !undone_.empty(); }
    // A hint was shown during this game: its result is not for the scoreboard.
    bool HintsUsed() const { return hintsUsed_; }
    std::optional<Cell> Selection() const { return selection_; }
    int Moves() const { return moves_; }
    std::int64_t StartTime() const { return startTime_; }
    long Elapsed() const { return elapsed_; }
    bool Finished() const { return finished_; }
    // Seconds played so far: the time taken once finished, and never negative.
    long RunningTime() const;

    // A new game of n x n in mode: jumbled as the route has it (each jumble seeded from the
    // clock), no moves, not finished, nothing selected, the clock started.
    void StartGame(StartRoute route, int n, GameMode mode);
    // A game carried over from an earlier run: its position, count and time so far go on.
    void ResumeGame(const Position& position, int moves, long elapsed, bool hintsUsed);

    // A press on a cell. Tile swap: selects a tile, deselects it when pressed again, or swaps it
    // with the selected one. Slider: slides the tile towards the hole.
    ClickResult Click(Cell cell);
    // Makes a legal move and counts it; false, with nothing changed, for an illegal one.
    bool Play(const Move& move);
    // Takes back the last move, or makes the last move taken back again; each counts as a move.
    // False when there is nothing to take back or to make again.
    bool Undo();
    bool Redo();
    void NoteHintShown() { hintsUsed_ = true; }
    // Every tile home, the bottom-right one too; ends the game without a result.
    void SolveForMe();
    // Sets the arrangement of the game in play, keeping its count and clock.
    void Arrange(const Position& position);

private:
    Position JumbledNow(int n, GameMode mode);
    void BeginGame(const Position& position);
    // A new move, or the last one taken back made again; either way legal moves only.
    bool Advance(Move move, bool replaying);
    // Counts the move that led from before to the current position and announces it; completes
    // the game when it is solved.
    void Step(const Move& move, const Position& before);
    void ForgetMoves();
    void Notify(void (SessionObserver::*call)());

    const GameClock& clock_;
    RandomSource& random_;
    SessionObserver* observer_ = nullptr;
    std::vector<Position> history_;
    std::vector<Move> played_;  // the move into each position of history_ after the first
    std::vector<Move> undone_;  // moves taken back, the latest last
    std::optional<Cell> selection_;
    int moves_ = 0;
    std::int64_t startTime_ = 0;
    long elapsed_ = 0;
    bool finished_ = false;
    bool hintsUsed_ = false;
};
