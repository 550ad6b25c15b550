#pragma once

class PuzzleBoard;

// What a press on the board did.
enum class ClickResult { Ignored, Selected, Deselected, Slid, Swapped };

// Turns a press at board pixel (x, y) into a move of the board and counts it: a slide or a swap
// is one move; selecting or deselecting a tile costs nothing. Presses outside the N x N tiles are
// ignored, and so are slides on a board without a hole (the picture the program solved), which
// would otherwise overwrite a tile.
ClickResult ApplyBoardClick(PuzzleBoard& board, int x, int y);

// True when a move has just solved a game whose completion has not been announced yet.
bool CompletesGame(const PuzzleBoard& board);
