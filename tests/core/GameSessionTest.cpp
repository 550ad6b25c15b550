#include "CoreFakes.h"
#include "GameSession.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <random>
#include <string>

namespace {

class Recorder : public SessionListener {
public:
    void Moved(const Move& move, const Position& before, const Position& after) override
    {
        (move.Type == Move::Kind::Slide ? slides : swaps) += 1;
        lastBefore = before;
        lastAfter = after;
    }
    void Completed(const GameResult& result) override { results.push_back(result); }
    void GameStarted() override { ++started; }

    int slides = 0;
    int swaps = 0;
    int started = 0;
    Position lastBefore = Position::Solved(3, GameMode::TileSwap);
    Position lastAfter = lastBefore;
    std::vector<GameResult> results;
};

// Writes its mark on every change, then does what the test asks.
class Journal : public SessionListener {
public:
    Journal(std::string& log, char mark) : log_(log), mark_(mark) {}
    void Changed() override
    {
        log_ += mark_;
        if (then)
            then();
    }
    std::function<void()> then;

private:
    std::string& log_;
    char mark_;
};

class GameSessionTest : public ::testing::Test {
protected:
    GameSessionTest() { session.AddListener(&seen); }

    void StartSolved(int n, GameMode mode)
    {
        session.StartGame(StartRoute::Jumble, n, mode);
        session.Arrange(Position::Solved(n, mode));
    }

    FakeClock clock;
    CLibraryRandom random;
    GameSession session{clock, random};
    Recorder seen;
};

TEST_F(GameSessionTest, SlideThatSolvesCountsAndIsAnnouncedOnceWithItsTime)
{
    StartSolved(3, GameMode::Slider);
    session.Arrange(*Apply(session.Current(), Move::Slide({0, 2})));
    EXPECT_EQ(session.Click({1, 1}), ClickResult::Ignored) << "not in line with the hole";
    EXPECT_EQ(session.Click({0, 2}), ClickResult::Ignored) << "the hole itself";
    EXPECT_EQ(session.Click({3, 0}), ClickResult::Ignored) << "off the board";
    EXPECT_EQ(session.Moves(), 0);

    clock.now += 75;
    const Position before = session.Current();
    EXPECT_EQ(session.Click({2, 2}), ClickResult::Slid);
    ASSERT_EQ(seen.results.size(), 1u);
    EXPECT_EQ(seen.results[0].Moves, 1);
    EXPECT_EQ(seen.results[0].Elapsed, 75);
    EXPECT_EQ(seen.results[0].Mode, 1);
    EXPECT_EQ(seen.lastAfter, session.Current());
    EXPECT_EQ(seen.lastBefore, before);

    session.Click({0, 2});
    session.Click({2, 2});
    EXPECT_TRUE(IsSolved(session.Current()));
    EXPECT_EQ(seen.results.size(), 1u) << "a finished game is announced once";
}

TEST_F(GameSessionTest, TileSwapChargesOnlyForTheSwapAndABackwardClockGivesNoTime)
{
    StartSolved(3, GameMode::TileSwap);
    EXPECT_EQ(session.Click({0, 0}), ClickResult::Selected);
    EXPECT_EQ(session.Click({0, 0}), ClickResult::Deselected);
    EXPECT_EQ(session.Moves(), 0);
    EXPECT_EQ(session.Click({0, 0}), ClickResult::Selected);
    EXPECT_EQ(session.Selection(), (Cell{0, 0}));
    EXPECT_EQ(session.Click({2, 1}), ClickResult::Swapped);
    EXPECT_EQ(session.Moves(), 1);
    EXPECT_EQ(session.TilesMoved(), 2);
    EXPECT_FALSE(session.Selection().has_value());
    EXPECT_EQ(session.Current().At(0, 0), 5);

    clock.now -= 50;
    session.Click({2, 1});
    session.Click({0, 0});
    ASSERT_EQ(seen.results.size(), 1u);
    EXPECT_EQ(seen.results[0].Elapsed, 0);
    EXPECT_EQ(seen.results[0].Moves, 2);
}

TEST_F(GameSessionTest, SolveForMeEndsTheGameAndLosesNoTileToTheStaleHole)
{
    StartSolved(3, GameMode::Slider);
    session.Click({2, 0});
    session.SolveForMe();
    EXPECT_TRUE(session.Finished());
    EXPECT_EQ(session.Current().At(2, 2), 8);
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 3; ++row)
            EXPECT_EQ(session.Click({column, row}), ClickResult::Ignored);
    EXPECT_EQ(session.Moves(), 1);
    EXPECT_TRUE(seen.results.empty());

    session.StartGame(StartRoute::Jumble, 3, GameMode::Slider);
    EXPECT_EQ(seen.started, 2);
    EXPECT_FALSE(session.Finished());
    EXPECT_EQ(session.Click({2, 1}), ClickResult::Slid) << "the next game has its hole again";
}

TEST_F(GameSessionTest, UndoAndRedoEachCountAMoveAndANewMoveClearsRedo)
{
    StartSolved(4, GameMode::Slider);
    session.Arrange(*Apply(session.Current(), Move::Slide({3, 0})));
    const Position start = session.Current();
    ASSERT_TRUE(session.Play(Move::Slide({0, 0})));  // three tiles along the top row
    const Position slid = session.Current();
    EXPECT_FALSE(session.Redo());

    // Each step: what it does, whether it can, and what the board shows after it.
    const struct { bool (GameSession::*step)(); bool done; const Position& shows; } steps[] = {
        {&GameSession::Undo, true, start}, {&GameSession::Undo, false, start},
        {&GameSession::Redo, true, slid},  {&GameSession::Redo, false, slid},
        {&GameSession::Undo, true, start},
    };
    int moves = 1;
    for (const auto& step : steps) {
        EXPECT_EQ((session.*step.step)(), step.done);
        moves += step.done ? 1 : 0;
        EXPECT_EQ(session.Current(), step.shows);
        EXPECT_EQ(session.Moves(), moves);
        EXPECT_EQ(session.TilesMoved(), 3 * moves) << "each step moves the three tiles of the row";
        EXPECT_EQ(session.CanUndo(), step.shows == slid);
        EXPECT_EQ(session.CanRedo(), step.shows == start);
    }
    EXPECT_EQ(seen.slides, moves) << "an undone slide is announced as a slide";
    ASSERT_TRUE(session.Play(Move::Slide({3, 1})));
    EXPECT_FALSE(session.CanRedo()) << "a new move clears what could be made again";
    EXPECT_EQ(session.TilesMoved(), 3 * moves + 1);
}

TEST_F(GameSessionTest, NewGameSolveForMeAndCompletionEmptyUndoAndRedo)
{
    const std::function<void()> enders[] = {
        [&] { session.StartGame(StartRoute::Jumble, 3, GameMode::TileSwap); },
        [&] { session.SolveForMe(); },
        [&] { session.Play(Move::Swap({0, 0}, {1, 0})); },  // puts the last two tiles home
    };
    for (const auto& end : enders) {
        StartSolved(3, GameMode::TileSwap);
        session.Arrange(*Apply(session.Current(), Move::Swap({0, 0}, {1, 0})));
        for (int swap = 0; swap < 3; ++swap)
            session.Play(Move::Swap({2, 2}, {1, 2}));
        session.Undo();
        ASSERT_TRUE(session.CanUndo() && session.CanRedo());
        end();
        EXPECT_FALSE(session.CanUndo());
        EXPECT_FALSE(session.CanRedo());
    }
    ASSERT_EQ(seen.results.size(), 1u);
    EXPECT_EQ(seen.results[0].Moves, 5);
}

TEST_F(GameSessionTest, HintsMarkTheResultUntilTheNextGameAndAResumedGameGoesOn)
{
    StartSolved(3, GameMode::TileSwap);
    const Position oneSwapAway = *Apply(session.Current(), Move::Swap({0, 0}, {1, 0}));
    session.ResumeGame(oneSwapAway, 7, 100, true);
    clock.now += 20;
    EXPECT_EQ(session.RunningTime(), 120);
    session.Play(Move::Swap({0, 0}, {1, 0}));
    ASSERT_EQ(seen.results.size(), 1u);
    EXPECT_EQ(seen.results[0].Moves, 8);
    EXPECT_EQ(seen.results[0].Elapsed, 120);
    EXPECT_TRUE(seen.results[0].WithHints);

    session.StartGame(StartRoute::Jumble, 3, GameMode::TileSwap);
    EXPECT_FALSE(session.HintsUsed());
}

// Random legal and illegal presses, thousands of them, over several games in both modes.
TEST_F(GameSessionTest, RandomPlayKeepsThePositionWholeAndAnnouncesEachGameOnce)
{
    std::mt19937 dice(12345);
    for (GameMode mode : {GameMode::TileSwap, GameMode::Slider}) {
        for (int game = 0; game < 6; ++game) {
            const int n = 3 + game % 2;
            StartSolved(n, mode);
            seen = Recorder{};
            if (game % 3 == 0) {  // some games are completed first, then played on
                const Move last = mode == GameMode::Slider ? Move::Slide({n - 1, n - 1})
                                                           : Move::Swap({0, 0}, {1, 0});
                session.Arrange(*Apply(session.Current(), mode == GameMode::Slider
                                                              ? Move::Slide({0, n - 1})
                                                              : last));
                ASSERT_TRUE(session.Play(last));
                ASSERT_EQ(seen.results.size(), 1u);
            }
            for (int press = 0; press < 2500; ++press) {
                const unsigned roll = dice() % 10;
                if (roll == 0)
                    session.Undo();
                else if (roll == 1)
                    session.Redo();
                else
                    session.Click({int(dice() % (n + 1)), int(dice() % (n + 1))});
                const Position& now = session.Current();
                std::vector<int> cells = InUseCells(now);
                std::sort(cells.begin(), cells.end());
                std::vector<int> expected(n * n);
                for (int t = 0; t < n * n; ++t)
                    expected[t] = t;
                if (mode == GameMode::Slider) {
                    expected.pop_back();
                    expected.insert(expected.begin(), Position::Hole);
                    ASSERT_EQ(now.At(now.HoleCell()), Position::Hole);
                }
                ASSERT_EQ(cells, expected);
                ASSERT_EQ(session.Moves(), seen.slides + seen.swaps);
                ASSERT_EQ(session.CanUndo(), session.History().size() > 1);
                ASSERT_LE(seen.results.size(), 1u);
                ASSERT_EQ(session.Finished(), !seen.results.empty());
            }
        }
    }
}

// Told in the order they were added; one removed while the others are being told hears no more.
TEST_F(GameSessionTest, EveryListenerIsToldInTurnUntilRemoved)
{
    std::string log;
    Journal first(log, 'a');
    Journal second(log, 'b');
    session.AddListener(&first);
    session.AddListener(&second);
    const Position solved = Position::Solved(3, GameMode::TileSwap);
    session.Arrange(solved);
    EXPECT_EQ(log, "ab");
    first.then = [&] { session.RemoveListener(&second); };
    session.Arrange(solved);
    EXPECT_EQ(log, "aba");
    session.RemoveListener(&first);
    session.Arrange(solved);
    EXPECT_EQ(log, "aba");
}

} // namespace
