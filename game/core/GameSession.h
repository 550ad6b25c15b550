#pragma once

#include "BoardMarks.h"
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

// What a session tells those who follow the game: the board, the status line, the sounds, the
// hint flow, the kept game. Every call comes after the session's state is up to date, and goes to
// each listener in the order they were added.
class SessionListener {
public:
    virtual ~SessionListener() = default;
    // A move was made: the positions either side of it.
    virtual void Moved(const Move&, const Position& /*before*/, const Position& /*after*/) {}
    // What the board shows has changed: a move, the selection or cursor, a new game, the solution.
    virtual void Changed() {}
    // The first solve of a game by the player; once per game.
    virtual void Completed(const GameResult&) {}
    // A new game has begun (after Changed).
    virtual void GameStarted() {}
};

// The game in play: the current position and the positions before it, the board's marks (the
// selection and the keyboard cursor), the move count, the clock and whether the game is finished.
// The board turns presses and keys into calls here and repaints when told; every rule of play is
// decided here.
class GameSession {
public:
    GameSession(const GameClock& clock, RandomSource& random);

    // A listener is told until it is removed; it must be removed before it goes.
    void AddListener(SessionListener* listener);
    void RemoveListener(SessionListener* listener);

    const Position& Current() const { return history_.back(); }
    // The positions undo can go back to, the current one last.
    const std::vector<Position>& History() const { return history_; }
    bool CanUndo() const { return !played_.empty(); }
    bool CanRedo() const { return !undone_.empty(); }
    // A hint was shown during this game: its result is not for the scoreboard.
    bool HintsUsed() const { return hintsUsed_; }
    const BoardMarks& Marks() const { return marks_; }
    std::optional<Cell> Selection() const { return marks_.Selection(); }
    std::optional<Cell> Cursor() const { return marks_.Cursor(Current()); }
    int Moves() const { return moves_; }
    // Tiles that changed places in those moves: a slide of a whole line counts each of its tiles,
    // a swap two. Shortest slider solutions count single tiles, so this is the count to compare.
    // Counted from the start of this run of the game.
    int TilesMoved() const { return tilesMoved_; }
    std::int64_t StartTime() const { return startTime_; }
    long Elapsed() const { return elapsed_; }
    bool Finished() const { return finished_; }
    // Seconds played so far: the time taken once finished, and never negative.
    long RunningTime() const;

    // A new game of n x n in mode: jumbled as the route has it (each jumble seeded from the
    // clock), no moves, not finished, nothing selected, the clock started.
    void StartGame(StartRoute route, int n, GameMode mode);
    // A game carried over from an earlier run: its position, count and time so far go on.
    void ResumeGame(const Position& position, int moves, long elapsed, bool hintsUsed, int tilesMoved = 0,
                    int keptFewest = -1);
    // The fewest moves from the start of a resumed game, as it was worked out in the run that
    // began it; -1 when unknown or the game was not resumed.
    int KeptFewest() const { return keptFewest_; }

    // A press on a cell. Tile swap: selects a tile, deselects it when pressed again, or swaps it
    // with the selected one. Slider: slides the tile towards the hole.
    ClickResult Click(Cell cell);
    // A press of the mouse, on a cell or off the tiles: the keyboard cursor goes, then the cell
    // is pressed.
    void PressPointer(std::optional<Cell> cell);
    // An arrow key, or the key that presses (Space, Return: no direction). Slider: an arrow
    // presses the tile that then slides its way into the hole. Tile swap: the first key shows
    // the cursor, arrows move it, and the pressing key presses its cell.
    void PressKey(std::optional<Direction> arrow);
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
    template <typename... Args, typename... Values>
    void Tell(void (SessionListener::*call)(Args...), const Values&... values);

    const GameClock& clock_;
    RandomSource& random_;
    std::vector<SessionListener*> listeners_;
    std::vector<Position> history_;
    std::vector<Move> played_;  // the move into each position of history_ after the first
    std::vector<Move> undone_;  // moves taken back, the latest last
    BoardMarks marks_;
    int moves_ = 0;
    int tilesMoved_ = 0;
    int keptFewest_ = -1;
    std::int64_t startTime_ = 0;
    long elapsed_ = 0;
    bool finished_ = false;
    bool hintsUsed_ = false;
};
