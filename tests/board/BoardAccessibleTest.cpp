// The board as a screen reader reads it, through the toolkit's own accessibility interfaces.
#include "BoardView.h"
#include "GameClock.h"
#include "GameSession.h"
#include "HintFlash.h"
#include "HintFlow.h"
#include "Picture.h"
#include "RandomSource.h"

#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// 3 x 3 tile swap, every tile home but the first two, which are swapped.
Position TwoSwapped(GameMode mode = GameMode::TileSwap)
{
    return Position::Solved(3, mode).WithTile({0, 0}, 1).WithTile({1, 0}, 0);
}

class BoardAccessibleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        session.AddListener(&view);
        session.Arrange(TwoSwapped());
        view.SetBoardSize(QSize(300, 300));
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
        board = QAccessible::queryAccessibleInterface(&view);
        ASSERT_NE(board, nullptr);
        ASSERT_NE(board->tableInterface(), nullptr);
    }
    void TearDown() override { session.RemoveListener(&view); }

    QAccessibleInterface* CellAt(int row, int column) const
    {
        return board->tableInterface()->cellAt(row, column);
    }
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
    QAccessibleInterface* board = nullptr;
};

TEST_F(BoardAccessibleTest, ReadsAsATableOfCellsNamedByTheirTilesHome)
{
    EXPECT_EQ(board->role(), QAccessible::Table);
    EXPECT_EQ(board->text(QAccessible::Name), "Puzzle board");
    EXPECT_EQ(board->tableInterface()->rowCount(), 3);
    EXPECT_EQ(board->tableInterface()->columnCount(), 3);
    ASSERT_EQ(board->childCount(), 9);
    EXPECT_EQ(board->child(5), CellAt(1, 2));
    EXPECT_EQ(board->indexOfChild(CellAt(1, 2)), 5);
    EXPECT_EQ(CellAt(1, 2)->tableCellInterface()->rowIndex(), 1);
    EXPECT_EQ(CellAt(3, 0), nullptr);
    EXPECT_EQ(Name(0, 0), "Tile of row 1, column 2");
    EXPECT_EQ(Name(0, 1), "Tile of row 1, column 1");
    EXPECT_EQ(Name(2, 1), "Tile of row 3, column 2, in place");
    EXPECT_EQ(board->childAt(view.mapToGlobal(QPoint(250, 150)).x(), view.mapToGlobal(QPoint(250, 150)).y()),
              CellAt(1, 2));

    session.Arrange(Position::Solved(4, GameMode::Slider));
    EXPECT_EQ(board->childCount(), 16) << "a new size is read at once";
    EXPECT_EQ(Name(3, 3), "Empty");
    EXPECT_TRUE(CellAt(3, 3)->state().focused) << "in a slider puzzle the keys act around the hole";
}

TEST_F(BoardAccessibleTest, PressingCellsSelectsAndSwapsAsClicksDoAndTheNamesFollow)
{
    Press(0, 0);
    EXPECT_TRUE(CellAt(0, 0)->state().selected);
    EXPECT_TRUE(CellAt(0, 0)->tableCellInterface()->isSelected());
    EXPECT_EQ(board->tableInterface()->selectedCells(), QList<QAccessibleInterface*>{CellAt(0, 0)});
    EXPECT_FALSE(CellAt(0, 1)->state().selected);

    Press(0, 2);
    EXPECT_EQ(session.Moves(), 1);
    EXPECT_FALSE(CellAt(0, 0)->state().selected);
    EXPECT_EQ(Name(0, 0), "Tile of row 1, column 3");
    EXPECT_EQ(Name(0, 2), "Tile of row 1, column 2");

    session.Undo();
    EXPECT_EQ(Name(0, 0), "Tile of row 1, column 2");
    EXPECT_EQ(Name(0, 2), "Tile of row 1, column 3, in place");
}

TEST_F(BoardAccessibleTest, TheFocusFollowsTheKeyboardCursorAndAHintNamesItsCells)
{
    EXPECT_EQ(board->focusChild(), nullptr) << "no cursor before the first key";
    QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_EQ(board->focusChild(), CellAt(0, 0));
    QTest::keyClick(&view, Qt::Key_Right);
    QTest::keyClick(&view, Qt::Key_Down);
    EXPECT_EQ(board->focusChild(), CellAt(1, 1));
    EXPECT_TRUE(CellAt(1, 1)->state().focused);
    EXPECT_FALSE(CellAt(0, 0)->state().focused);
    view.clearFocus();
    EXPECT_FALSE(CellAt(1, 1)->state().focused) << "only while the board has the focus";

    HintFlow hints(session, view, 1000);
    hints.Request();
    EXPECT_EQ(Name(0, 0), "Tile of row 1, column 2, hint");
    EXPECT_EQ(Name(0, 1), "Tile of row 1, column 1, hint");
    hints.Cancel();
    EXPECT_EQ(Name(0, 0), "Tile of row 1, column 2");
}

// What the board tells between two readings, without a window.
TEST(BoardReadingTest, OnlyWhatChangedIsTold)
{
    const Position swapped = TwoSwapped();
    const Position solved = Position::Solved(3, GameMode::TileSwap);
    const BoardReading before(swapped, Cell{0, 0}, Cell{2, 2}, {});
    const struct {
        const char* what;
        BoardReading after;
        std::vector<Cell> renamed;
        std::vector<Cell> reselected;
        std::optional<Cell> focus;
        bool reshaped;
    } cases[] = {
        {"nothing", BoardReading(swapped, Cell{0, 0}, Cell{2, 2}, {}), {}, {}, {}, false},
        {"a swap", BoardReading(solved, {}, Cell{2, 2}, {}), {{0, 0}, {1, 0}}, {{0, 0}}, {}, false},
        {"a cursor step", BoardReading(swapped, Cell{0, 0}, Cell{2, 1}, {}), {}, {}, Cell{2, 1}, false},
        {"a hint", BoardReading(swapped, Cell{0, 0}, Cell{2, 2}, {{1, 0}}), {{1, 0}}, {}, {}, false},
        {"another size", BoardReading(Position::Solved(4, GameMode::TileSwap), {}, Cell{2, 2}, {}), {}, {},
         Cell{2, 2}, true},
    };
    for (const auto& c : cases) {
        const ReadingChanges changes = CompareReadings(before, c.after);
        EXPECT_EQ(changes.Renamed, c.renamed) << c.what;
        EXPECT_EQ(changes.Reselected, c.reselected) << c.what;
        EXPECT_EQ(changes.FocusMovedTo, c.focus) << c.what;
        EXPECT_EQ(changes.Reshaped, c.reshaped) << c.what;
    }
}

} // namespace
