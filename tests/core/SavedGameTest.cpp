#include "Move.h"
#include "SavedGame.h"

#include <gtest/gtest.h>
#include <functional>

namespace {

SavedGame Record(const Position& position)
{
    SavedGame saved;
    saved.N = position.N();
    saved.Mode = static_cast<int>(position.Mode());
    saved.Cells = CellsText(position);
    saved.Moves = 12;
    saved.Elapsed = 340;
    return saved;
}

const Position SwapGame = *Apply(Position::Solved(3, GameMode::TileSwap), Move::Swap({0, 0}, {2, 1}));
const Position SlideGame = *Apply(Position::Solved(3, GameMode::Slider), Move::Slide({0, 2}));

} // namespace

TEST(SavedGame, APositionComesBackAsItWasWritten)
{
    EXPECT_EQ(CellsText(SlideGame), "0 1 2 3 4 5 -1 6 7");
    for (const Position& position : {SwapGame, SlideGame})
        EXPECT_EQ(RestoredPosition(Record(position)), position);
}

TEST(SavedGame, EveryDamagedValueIsRefused)
{
    const struct { const char* damage; Position game; std::function<void(SavedGame&)> apply; } cases[] = {
        {"size too small", SwapGame, [](SavedGame& s) { s.N = 2; }},
        {"size not that of the cells", SwapGame, [](SavedGame& s) { s.N = 4; }},
        {"unknown mode", SwapGame, [](SavedGame& s) { s.Mode = 2; }},
        {"mode of the other game", SlideGame, [](SavedGame& s) { s.Mode = 0; }},
        {"tile-swap cells in slider mode", SwapGame, [](SavedGame& s) { s.Mode = 1; }},
        {"picture number 0", SwapGame, [](SavedGame& s) { s.ZipIndex = 0; }},
        {"negative moves", SwapGame, [](SavedGame& s) { s.Moves = -1; }},
        {"negative time", SwapGame, [](SavedGame& s) { s.Elapsed = -5; }},
        {"a cell missing", SwapGame, [](SavedGame& s) { s.Cells.resize(s.Cells.size() - 2); }},
        {"a tile twice", SwapGame, [](SavedGame& s) { s.Cells[0] = '1'; }},
        {"words", SwapGame, [](SavedGame& s) { s.Cells = "a b c d e f g h i"; }},
        {"commas", SwapGame, [](SavedGame& s) { s.Cells = "5,1,2,3,4,0,6,7,8"; }},
        {"no hole", SlideGame, [](SavedGame& s) { s.Cells = "0 1 2 3 4 5 8 6 7"; }},
        {"two tiles swapped in a slider", SlideGame, [](SavedGame& s) { s.Cells = "1 0 2 3 4 5 -1 6 7"; }},
        {"already solved", SwapGame, [](SavedGame& s) { s.Cells = "0 1 2 3 4 5 6 7 8"; }},
    };
    for (const auto& c : cases) {
        SavedGame saved = Record(c.game);
        ASSERT_TRUE(RestoredPosition(saved)) << c.damage;
        c.apply(saved);
        EXPECT_FALSE(RestoredPosition(saved)) << c.damage;
    }
}
