#pragma once

#include "Position.h"

#include <vector>

// A tile on its way from its cell before a move to its cell after it.
struct TileGlide {
    int Tile = 0;
    Cell From;
    Cell To;
    bool operator==(const TileGlide&) const = default;
};

// Every tile that changed cells between two positions of the same board; the hole moves with
// no tile, so it has no glide.
std::vector<TileGlide> GlidesBetween(const Position& before, const Position& after);

// The board as it stands while tiles glide: every cell the move changed left empty, shown as
// the hole, for the gliding tiles to cross.
Position WithGlidingCellsEmpty(const Position& after, const std::vector<TileGlide>& glides);
