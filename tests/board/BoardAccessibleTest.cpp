// The board as a screen reader reads it, through the toolkit's own accessibility interfaces.
#include "BoardView.h"
#include "GameClock.h"
#include "HintFlow.h"
#include "Picture.h"
#include "RandomSource.h"

#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// 3 x 3 tile swap, every tile home but the first two, which are swapped.
const Position TwoSwapped = Position::Solved(3, GameMode::TileSwap).WithTile({0, 0}, 1).WithTile({1, 0}, 0);

class BoardAccessibleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        session.AddListener(&view);
        session.Arrange(TwoSwapped);
        view.SetBoardSize(QSize(300, 300));
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
        ASSERT_NE(table, nullptr);
    }
    void TearDown() override { session.RemoveListener(&view); }

    QAccessibleInterface* CellAt(int row, int column) const { return table->cellAt(row, column); }
    QString Name(int row, int column) const { return CellAt(row, column)->text(QAccessible::Name); }
    void Press(int row, int column) const
    {
        CellAt(row, column)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }

    SystemClock clock;
    CLibraryRandom random;
    GameSession session{clock, random};
    Picture picture;
    BoardView view{session, picture, [] { return BoardLook{}; }};
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&view);
    QAccessibleTableInterface* table = board ? board->tableInterface() : nullptr;
};

TEST_F(BoardAccessibleTest, ReadsAsATableOfCellsNamedByTheirTilesHome)
{
    EXPECT_EQ(board->role(), QAccessible::Table);
    EXPECT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->columnCount(), 3);
    ASSERT_EQ(board->childCount(), 9);
    EXPECT_EQ(board->indexOfChild(CellAt(1, 2)), 5);
    EXPECT_EQ(board->child(5), CellAt(1, 2));
    EXPECT_EQ(Name(0, 0), "Tile of row 1, column 2");
    EXPECT_EQ(Name(2, 1), "Tile of row 3, column 2, in place");

    session.Arrange(Position::Solved(4, GameMode::Slider));
    EXPECT_EQ(board->childCount(), 16) << "a new size is read at once";
    EXPECT_EQ(Name(3, 3), "Empty");
    EXPECT_TRUE(CellAt(3, 3)->state().focused) << "in a slider puzzle the keys act around the hole";
}

TEST_F(BoardAccessibleTest, PressesSelectAndSwapAsClicksDoAndTheNamesFollowUndoToo)
{
    Press(0, 0);
    EXPECT_TRUE(CellAt(0, 0)->state().selected);
    EXPECT_EQ(table->selectedCells(), QList<QAccessibleInterface*>{CellAt(0, 0)});
    Press(0, 2);
    EXPECT_EQ(session.Moves(), 1);
    EXPECT_FALSE(CellAt(0, 0)->state().selected);
    EXPECT_EQ(Name(0, 0), "Tile of row 1, column 3");
    EXPECT_EQ(Name(0, 2), "Tile of row 1, column 2");
    session.Undo();
    EXPECT_EQ(Name(0, 2), "Tile of row 1, column 3, in place");
}

TEST_F(BoardAccessibleTest, TheFocusFollowsTheKeyboardCursorAndAHintNamesItsCells)
{
    EXPECT_EQ(board->focusChild(), nullptr) << "no cursor before the first key";
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down})
        QTest::keyClick(&view, key);
    EXPECT_EQ(board->focusChild(), CellAt(1, 1));
    EXPECT_TRUE(CellAt(1, 1)->state().focused);
    view.clearFocus();
    EXPECT_FALSE(CellAt(1, 1)->state().focused) << "only while the board has the focus";

    HintFlow hints(session, view);
    hints.Request();
    EXPECT_EQ(Name(0, 1), "Tile of row 1, column 1, hint");
    hints.Cancel();
    EXPECT_EQ(Name(0, 1), "Tile of row 1, column 1");
}

// What a screen reader is told between two readings, without a window.
TEST(BoardReadingTest, OnlyWhatChangedIsTold)
{
    const auto reading = [](const Position& position, std::optional<Cell> selected, Cell focus,
                            std::vector<Cell> hinted = {}) { return BoardReading(position, selected, focus, hinted); };
    const BoardReading before = reading(TwoSwapped, Cell{0, 0}, {2, 2});
    const struct {
        const char* what;
        BoardReading after;
        std::vector<Cell> renamed, reselected;
        std::optional<Cell> focus;
    } cases[] = {
        {"a swap", reading(Position::Solved(3, GameMode::TileSwap), {}, {2, 2}), {{0, 0}, {1, 0}}, {{0, 0}}, {}},
        {"a cursor step", reading(TwoSwapped, Cell{0, 0}, {2, 1}), {}, {}, Cell{2, 1}},
        {"a hint", reading(TwoSwapped, Cell{0, 0}, {2, 2}, {{1, 0}}), {{1, 0}}, {}, {}},
    };
    for (const auto& c : cases) {
        const ReadingChanges changes = CompareReadings(before, c.after);
        EXPECT_EQ(changes.Renamed, c.renamed) << c.what;
        EXPECT_EQ(changes.Reselected, c.reselected) << c.what;
        EXPECT_EQ(changes.FocusMovedTo, c.focus) << c.what;
    }
    EXPECT_TRUE(CompareReadings(before, reading(Position::Solved(4, GameMode::TileSwap), {}, {2, 2})).Reshaped);
}

} // namespace
