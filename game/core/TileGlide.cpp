#include "TileGlide.h"

#include <optional>

namespace {

std::optional<Cell> CellOf(const Position& position, int tile)
{
    for (int x = 0; x < position.N(); ++x)
        for (int y = 0; y < position.N(); ++y)
            if (position.At(x, y) == tile)
                return Cell{x, y};
    return std::nullopt;
}

} // namespace

std::vector<TileGlide> GlidesBetween(const Position& before, const Position& after)
{
    std::vector<TileGlide> glides;
    if (before.N() != after.N())
        return glides;
    for (int x = 0; x < after.N(); ++x) {
        for (int y = 0; y < after.N(); ++y) {
            const int tile = after.At(x, y);
            if (tile == before.At(x, y) || tile == Position::Hole)
                continue;
            if (const std::optional<Cell> from = CellOf(before, tile))
                glides.push_back(TileGlide{tile, *from, Cell{x, y}});
        }
    }
    return glides;
}

Position WithGlidingCellsEmpty(const Position& after, const std::vector<TileGlide>& glides)
{
    Position base = after;
    for (const TileGlide& glide : glides)
        base = base.WithTile(glide.From, Position::Hole).WithTile(glide.To, Position::Hole);
    return base;
}
