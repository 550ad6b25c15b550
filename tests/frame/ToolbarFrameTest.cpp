// The toolbar in the game's window: the window grows and shrinks around the board as the toolbar
// starts or stops taking room, and the toolbar's buttons follow the window's commands.
#include "AccessibleControls.h"
#include "BoardView.h"
#include "DropDownClicker.h"
#include "GameMenus.h"
#include "MainFrame.h"
#include "SoundPlayer.h"
#include "ToolbarLayout.h"

#include <QAccessible>
#include <QAction>
#include <QToolButton>
#include <QMenuBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class Silence : public SoundPlayer {
public:
    void Play(const QString&) override {}
};

class ToolbarFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pictures.isValid());
        MainFrameOptions options;
        options.ProgramFolder = pictures.path() + '/';  // no pictures: the built-in one
        options.Sounds = std::make_unique<Silence>();
        frame = std::make_unique<MainFrame>(std::move(options));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        toolbar = frame->Toolbar();
        room = toolbar->height();
        height = frame->height();
    }

    // The board's top edge, counted from the menu bar's bottom.
    int BoardTop() const
    {
        return frame->View()->mapTo(frame.get(), QPoint(0, 0)).y() - frame->menuBar()->geometry().bottom() - 1;
    }
    void Issue(int command)
    {
        frame->Commands().Action(command)->trigger();
        QTest::qWait(10);
    }
    void Dock(Qt::ToolBarArea area)
    {
        frame->addToolBar(area, toolbar);
        toolbar->show();
        QTest::qWait(20);
    }

    QTemporaryDir pictures;
    std::unique_ptr<MainFrame> frame;
    GameToolbar* toolbar = nullptr;
    int room = 0;
    int height = 0;
};

TEST_F(ToolbarFrameTest, ScreenReadersHearTheCommandsWordsAndEveryControlIsNamed)
{
    QStringList names;
    for (const ToolbarEntry& entry : ToolbarEntries)
        if (QToolButton* button = toolbar->ButtonFor(entry.Command))
            names << QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
    EXPECT_EQ(names, QStringList({"New", "Open", "Jumble", "Show solution", "Solve for me", "Puzzle difficulty",
                                  "Grid"}));
    // The toolkit's own buttons too, shown or not.
    for (QToolButton* button : toolbar->findChildren<QToolButton*>())
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name).isEmpty());
    EXPECT_EQ(PlainCommandText("Fish && &Chips\tCtrl+F"), "Fish & Chips");
    EXPECT_EQ(UnnamedControls(*frame), QStringList());
}

TEST_F(ToolbarFrameTest, ADockedToolbarTakesItsRoomAboveOrBelowTheBoard)
{
    ASSERT_GT(room, 32);
    EXPECT_EQ(BoardTop(), room);
    Issue(CommandId::Toolbar);
    EXPECT_FALSE(frame->ToolbarShown());
    EXPECT_FALSE(frame->Commands().Action(CommandId::Toolbar)->isChecked());
    EXPECT_EQ(frame->height(), height - room);
    EXPECT_EQ(BoardTop(), 0);
    Issue(CommandId::Toolbar);
    EXPECT_TRUE(frame->Commands().Action(CommandId::Toolbar)->isChecked());
    EXPECT_EQ(frame->height(), height);
    EXPECT_EQ(BoardTop(), room);

    Dock(Qt::BottomToolBarArea);
    EXPECT_EQ(frame->ToolbarDock(), DockBottom);
    EXPECT_EQ(frame->height(), height) << "top to bottom keeps the size";
    EXPECT_EQ(BoardTop(), 0);
    EXPECT_GE(toolbar->y(), frame->View()->geometry().bottom());
    Issue(CommandId::Toolbar);
    EXPECT_EQ(frame->height(), height - room);
    Issue(CommandId::Toolbar);
    EXPECT_EQ(frame->height(), height);
}

TEST_F(ToolbarFrameTest, AFloatingToolbarTakesNoRoomUntilItIsDockedAgain)
{
    QWindow* window = frame->windowHandle();
    const QPoint handle = toolbar->mapTo(frame.get(), QPoint(4, toolbar->height() / 2));
    QTest::mousePress(window, Qt::LeftButton, {}, handle);
    for (int i = 1; i <= 10; ++i)
        QTest::mouseMove(window, handle + QPoint(0, 60 * i));
    QTest::mouseRelease(window, Qt::LeftButton, {}, handle + QPoint(0, 600));
    QTest::qWait(20);
    ASSERT_TRUE(toolbar->isFloating());
    EXPECT_EQ(frame->ToolbarDock(), DockFloating);
    EXPECT_EQ(frame->height(), height - room);
    EXPECT_EQ(BoardTop(), 0);

    Issue(CommandId::Toolbar);
    Issue(CommandId::Toolbar);
    EXPECT_EQ(frame->height(), height - room) << "hiding a floating toolbar does not resize";

    // Closed by its own window rather than the command, it is noticed when the menu opens.
    toolbar->close();
    frame->Commands().RefreshChecks();
    EXPECT_FALSE(frame->ToolbarShown());
    Issue(CommandId::Toolbar);
    EXPECT_TRUE(frame->ToolbarShown());
    EXPECT_EQ(frame->height(), height - room);

    Dock(Qt::BottomToolBarArea);
    EXPECT_EQ(frame->height(), height) << "docking again grows the window";
}

TEST_F(ToolbarFrameTest, ButtonsFollowTheWindowsCommands)
{
    QToolButton* grid = toolbar->ButtonFor(CommandId::Grid);
    const bool gridBefore = frame->Settings().Grid;
    EXPECT_EQ(grid->isChecked(), gridBefore);
    QTest::mouseClick(grid, Qt::LeftButton);
    EXPECT_EQ(frame->Settings().Grid, !gridBefore);
    EXPECT_EQ(grid->isChecked(), frame->Settings().Grid);
    Issue(CommandId::Grid);
    EXPECT_EQ(grid->isChecked(), gridBefore) << "the menu's Grid moves the button too";

    frame->Menus().SetNewCommandStyle(true);
    EXPECT_TRUE(toolbar->NewDropDown());
    frame->Menus().SetNewCommandStyle(false);
    EXPECT_FALSE(toolbar->NewDropDown());

    // The size drop-down shows the size in force, even one set behind the menus' back.
    frame->Settings().Dimension = 6;
    EXPECT_EQ(ClickDropDown(toolbar->ButtonFor(CommandId::PuzzleDifficulty), "5 x 5"),
              QStringList({"3 x 3", "4 x 4", "5 x 5", "6 x 6*", "7 x 7", "8 x 8", "9 x 9", "10 x 10"}));
    EXPECT_EQ(frame->Session().Current().N(), 5);
    EXPECT_EQ(frame->View()->BoardSize().width() % 5, 0);
}

}  // namespace
