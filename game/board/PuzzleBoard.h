#pragma once

#include <ctime>

enum class GameMode : int { TileSwap = 0, Slider = 1 };

// What a tile-swap click did. Ignored: a cell off the board, or the board is in slider mode;
// nothing changed and it is no move.
enum class SwapOutcome { Selected, Deselected, Swapped, Ignored };

// The puzzle in play: N x N tiles, the arrangement, the hole or the selection, the move count,
// the clock and the finished flag. Plain rules: no picture, no drawing.
//
// Tile t's home is column t % N, row t / N. Cells are indexed column first, then row; -1 is
// the hole. Only columns and rows 0..N-1 are in use.
class PuzzleBoard {
public:
    static constexpr int MaxN = 10;
    static constexpr int MinN = 3;
    static constexpr int Hole = -1;
    static constexpr int NoTile = -1;
    static constexpr int SliderJumbleSteps = 10000;

    PuzzleBoard();

    int N() const { return n_; }
    // N outside 3..10 is refused (returns false, N unchanged): it must never reach the cells.
    bool SetN(int n);
    GameMode Mode() const { return mode_; }
    void SetMode(GameMode mode) { mode_ = mode; }

    int Cell(int column, int row) const { return cells_[column][row]; }
    void SetCell(int column, int row, int tile) { cells_[column][row] = tile; }
    int HoleColumn() const { return holeColumn_; }
    int HoleRow() const { return holeRow_; }
    void SetHole(int column, int row);

    int SelectedTile() const { return selectedTile_; }
    int SelectedColumn() const { return selectedColumn_; }
    int SelectedRow() const { return selectedRow_; }
    bool HasSelection() const { return selectedTile_ != NoTile; }
    void ClearSelection() { selectedTile_ = NoTile; }

    int Moves() const { return moves_; }
    void AddMove() { ++moves_; }
    std::time_t StartTime() const { return startTime_; }
    long Elapsed() const { return elapsed_; }
    void SetElapsed(long seconds) { elapsed_ = seconds; }
    bool Finished() const { return finished_; }
    void SetFinished(bool finished) { finished_ = finished; }

    // Board size on the screen in pixels, always multiples of N.
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetSize(int width, int height) { width_ = width; height_ = height; }
    int TileWidth() const { return width_ / n_; }
    int TileHeight() const { return height_ / n_; }

    // Every in-use cell holds its own tile; no hole is made and the hole position is kept.
    void FillSolved();
    // The slider move: shifts every tile between the hole and (column, row) one cell towards the
    // hole. False, with nothing changed, for the hole itself, a cell not in line with it, a cell
    // off the board, or outside slider mode.
    bool Slide(int column, int row);
    // The tile-swap click; Ignored off the board or outside tile-swap mode.
    SwapOutcome SelectOrSwap(int column, int row);
    // In slider mode the bottom-right cell is not examined.
    bool IsSolved() const;
    // Begins a game: no selection, not finished, no moves, clock started now.
    void ResetGame();
    // A random arrangement for the current N and mode, seeded from the clock in whole seconds.
    // Leaves the selection, moves, clock and finished flag alone.
    void Jumble();

private:
    bool InBoard(int column, int row) const;
    void JumbleTileSwap();
    void JumbleSlider();

    int n_ = 4;
    GameMode mode_ = GameMode::TileSwap;
    int cells_[MaxN][MaxN] = {};
    int holeColumn_ = 0;
    int holeRow_ = 0;
    int selectedTile_ = NoTile;
    int selectedColumn_ = 0;
    int selectedRow_ = 0;
    int moves_ = 0;
    std::time_t startTime_ = 0;
    long elapsed_ = 0;
    bool finished_ = false;
    int width_ = 0;
    int height_ = 0;
};
