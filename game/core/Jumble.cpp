#include "Jumble.h"

#include "Move.h"
#include "RandomSource.h"

#include <algorithm>

namespace {

Position JumbleTileSwap(int n, RandomSource& random)
{
    Position dealt = Position::Solved(n, GameMode::TileSwap);
    bool used[Position::MaxN * Position::MaxN] = {};
    const int tiles = n * n;
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            int tile = random.Next() % tiles;
            while (used[tile])
                tile = random.Next() % tiles;
            dealt = dealt.WithTile({x, y}, tile);
            used[tile] = true;
        }
    }
    return dealt;
}

Position SlideIfLegal(const Position& position, Cell at)
{
    return Apply(position, Move::Slide(at)).value_or(position);
}

Position JumbleSlider(int n, RandomSource& random)
{
    Position slid = Position::Solved(n, GameMode::Slider);
    for (int step = 0; step < SliderJumbleSteps; ++step) {
        const Cell hole = slid.HoleCell();
        // The draw for the cell comes after the draw of the direction.
        if (random.Next() % 2 == 0) {
            const int row = random.Next() % n;
            slid = SlideIfLegal(slid, {hole.Column, row});
        } else {
            const int column = random.Next() % n;
            slid = SlideIfLegal(slid, {column, hole.Row});
        }
    }
    slid = SlideIfLegal(slid, {n - 1, slid.HoleCell().Row});
    return SlideIfLegal(slid, {slid.HoleCell().Column, n - 1});
}

} // namespace

Position Jumble(int n, GameMode mode, RandomSource& random)
{
    n = std::clamp(n, Position::MinN, Position::MaxN);
    return mode == GameMode::Slider ? JumbleSlider(n, random) : JumbleTileSwap(n, random);
}
