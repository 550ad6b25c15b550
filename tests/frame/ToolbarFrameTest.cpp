// The toolbar in the game's window: the window grows and shrinks around the board as the toolbar
// starts or stops taking room, and the toolbar's buttons follow the window's commands.
#include "BoardView.h"
#include "GameToolbar.h"
#include "MainFrame.h"
#include "SoundPlayer.h"
#include "ToolbarLayout.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
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
        ASSERT_GT(room, 32);
    }

    int BoardTop() const { return frame->View()->mapTo(frame.get(), QPoint(0, 0)).y(); }
    int MenuBottom() const { return frame->menuBar()->geometry().bottom() + 1; }
    void Issue(int command)
    {
        frame->Commands().Action(command)->trigger();
        QTest::qWait(10);
    }
    void Settle() { QTest::qWait(20); }

    // Drags the toolbar by its handle well away from the window and lets go there.
    void DragToolbarAway()
    {
        QWindow* window = frame->windowHandle();
        const QPoint handle = toolbar->mapTo(frame.get(), QPoint(4, toolbar->height() / 2));
        QTest::mousePress(window, Qt::LeftButton, {}, handle);
        for (int i = 1; i <= 10; ++i)
            QTest::mouseMove(window, handle + QPoint(0, 60 * i));
        QTest::mouseRelease(window, Qt::LeftButton, {}, handle + QPoint(0, 600));
        Settle();
    }

    QTemporaryDir pictures;
    std::unique_ptr<MainFrame> frame;
    GameToolbar* toolbar = nullptr;
    int room = 0;
};

TEST_F(ToolbarFrameTest, HidingAndShowingADockedToolbarResizesTheWindowAndMovesTheBoard)
{
    const int height = frame->height();
    const QSize board = frame->View()->size();
    EXPECT_EQ(BoardTop(), MenuBottom() + room);
    EXPECT_EQ(frame->ToolbarDock(), DockTop);

    Issue(CommandId::Toolbar);
    EXPECT_TRUE(toolbar->isHidden());
    EXPECT_FALSE(frame->ToolbarShown());
    EXPECT_FALSE(frame->Commands().Action(CommandId::Toolbar)->isChecked());
    EXPECT_EQ(frame->height(), height - room);
    EXPECT_EQ(BoardTop(), MenuBottom());

    Issue(CommandId::Toolbar);
    EXPECT_TRUE(frame->ToolbarShown());
    EXPECT_TRUE(frame->Commands().Action(CommandId::Toolbar)->isChecked());
    EXPECT_EQ(frame->height(), height);
    EXPECT_EQ(BoardTop(), MenuBottom() + room);
    EXPECT_EQ(frame->View()->size(), board) << "the board itself never changes size";
}

TEST_F(ToolbarFrameTest, MovingBetweenTopAndBottomKeepsTheSize)
{
    const int height = frame->height();
    frame->addToolBar(Qt::BottomToolBarArea, toolbar);
    Settle();
    EXPECT_EQ(frame->ToolbarDock(), DockBottom);
    EXPECT_EQ(frame->height(), height);
    EXPECT_EQ(BoardTop(), MenuBottom());
    EXPECT_GE(toolbar->y(), BoardTop() + frame->View()->height()) << "the toolbar lies below the board";

    // Hidden and shown again at the bottom, it gives its room back and takes it again.
    Issue(CommandId::Toolbar);
    EXPECT_EQ(frame->height(), height - room);
    Issue(CommandId::Toolbar);
    EXPECT_EQ(frame->height(), height);

    frame->addToolBar(Qt::TopToolBarArea, toolbar);
    Settle();
    EXPECT_EQ(frame->ToolbarDock(), DockTop);
    EXPECT_EQ(frame->height(), height);
    EXPECT_EQ(BoardTop(), MenuBottom() + room);
}

TEST_F(ToolbarFrameTest, AFloatingToolbarTakesNoRoomUntilItIsDockedAgain)
{
    const int height = frame->height();
    DragToolbarAway();
    ASSERT_TRUE(toolbar->isFloating());
    EXPECT_EQ(frame->ToolbarDock(), DockFloating);
    EXPECT_EQ(frame->height(), height - room);
    EXPECT_EQ(BoardTop(), MenuBottom());

    Issue(CommandId::Toolbar);
    EXPECT_TRUE(toolbar->isHidden());
    EXPECT_EQ(frame->height(), height - room) << "hiding a floating toolbar does not resize";
    Issue(CommandId::Toolbar);
    EXPECT_FALSE(toolbar->isHidden());
    EXPECT_EQ(frame->height(), height - room);

    // Closed by other means than the command, it is noticed when the View menu opens.
    toolbar->close();
    frame->Commands().RefreshChecks();
    EXPECT_FALSE(frame->ToolbarShown());
    EXPECT_FALSE(frame->Commands().Action(CommandId::Toolbar)->isChecked());
    Issue(CommandId::Toolbar);
    EXPECT_TRUE(frame->ToolbarShown());
    EXPECT_EQ(frame->height(), height - room);

    frame->addToolBar(Qt::BottomToolBarArea, toolbar);
    toolbar->show();
    Settle();
    EXPECT_EQ(frame->ToolbarDock(), DockBottom);
    EXPECT_EQ(frame->height(), height) << "docking again grows the window";
}

TEST_F(ToolbarFrameTest, ButtonsFollowTheWindowsCommands)
{
    // The Grid button is pressed exactly while the View menu's Grid item is checked.
    QToolButton* grid = toolbar->ButtonFor(CommandId::Grid);
    const int gridBefore = frame->Settings().Grid;
    EXPECT_EQ(grid->isChecked(), gridBefore != 0);
    QTest::mouseClick(grid, Qt::LeftButton);
    EXPECT_EQ(frame->Settings().Grid, 1 - gridBefore);
    EXPECT_EQ(grid->isChecked(), frame->Settings().Grid != 0);
    Issue(CommandId::Grid);
    EXPECT_EQ(frame->Settings().Grid, gridBefore);
    EXPECT_EQ(grid->isChecked(), gridBefore != 0);
    EXPECT_EQ(frame->Commands().Action(CommandId::Grid)->isChecked(), grid->isChecked());

    // The New button takes the New command's archive form and gives it up again.
    frame->SetNewCommandStyle(true);
    EXPECT_TRUE(toolbar->NewDropDown());
    frame->SetNewCommandStyle(false);
    EXPECT_FALSE(toolbar->NewDropDown());
}

TEST_F(ToolbarFrameTest, SizeDropDownRebuildsThePuzzleAtTheChosenSize)
{
    frame->Settings().Dimension = 6;  // set behind the menus' back: the drop-down must refresh
    QStringList items;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        QAction* five = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->isChecked())
                items << action->text();
            if (action->text() == "5 x 5")
                five = action;
        }
        menu->close();
        if (five)
            five->trigger();
    });
    QTest::mouseClick(toolbar->ButtonFor(CommandId::PuzzleDifficulty), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(items, QStringList{"6 x 6"});
    EXPECT_EQ(frame->Settings().Dimension, 5);
    EXPECT_EQ(frame->Board().N(), 5);
    EXPECT_EQ(frame->Board().Width() % 5, 0);
}

}  // namespace
