#pragma once

#include "BoardGeometry.h"
#include "Position.h"

#include <optional>

// What the board shows over its tiles beside the arrangement: the tile picked up for a swap, and
// the keyboard cursor. The cursor keeps its cell while hidden, so that it comes back where the
// last press was.
class BoardMarks {
public:
    std::optional<Cell> Selection() const { return selection_; }
    // The cursor's cell while it is shown, which is in tile swap only; a board smaller than when
    // it last moved keeps it on its edge.
    std::optional<Cell> Cursor(const Position& position) const;

    void Select(Cell cell) { selection_ = cell; }
    void Deselect() { selection_.reset(); }
    // The first key only shows the cursor (true); later ones move it within the board.
    bool ShowCursor();
    void MoveCursor(const Position& position, Direction direction);
    // A press by other means: the cursor goes, to come back at the pressed cell if there is one.
    // True when it was shown.
    bool HideCursor(std::optional<Cell> pressed);

private:
    std::optional<Cell> selection_;
    Cell cursor_;
    bool cursorShown_ = false;
};
