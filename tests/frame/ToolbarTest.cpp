// The toolbar on its own: its rules for taking room, its pictures, and its buttons standing in for
// a frame's command actions.
#include "GameToolbar.h"
#include "ToolbarLayout.h"
#include "ToolbarPictures.h"
#include "ToolbarPlacement.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

TEST(ToolbarPlacementTest, WindowAdjustsOnlyWhenTheToolbarStartsOrStopsTakingRoom)
{
    ToolbarPlacement placement;  // shown, docked at the top
    EXPECT_FALSE(placement.MoveTo(DockBottom)) << "top to bottom keeps the size";
    EXPECT_FALSE(placement.MoveTo(DockTop));
    EXPECT_TRUE(placement.MoveTo(DockFloating));
    EXPECT_EQ(placement.HeightChange(46), -46) << "floating shrinks";
    EXPECT_FALSE(placement.SetShown(false)) << "hiding a floating toolbar does not resize";
    EXPECT_FALSE(placement.SetShown(true));
    EXPECT_TRUE(placement.MoveTo(DockBottom));
    EXPECT_EQ(placement.HeightChange(46), 46) << "docking again grows";
    EXPECT_TRUE(placement.SetShown(false));
    EXPECT_EQ(placement.HeightChange(46), -46);
    EXPECT_FALSE(placement.SetShown(false)) << "hiding twice must not shrink twice";
    EXPECT_TRUE(placement.SetShown(true));
    EXPECT_EQ(placement.HeightChange(46), 46);
}

TEST(ToolbarPicturesTest, DarkFaceNeedsEveryChannelBelow179)
{
    EXPECT_TRUE(IsDarkButtonFace(QColor(178, 178, 178)));
    EXPECT_TRUE(IsDarkButtonFace(QColor(0, 0, 0)));
    EXPECT_FALSE(IsDarkButtonFace(QColor(179, 0, 0)));
    EXPECT_FALSE(IsDarkButtonFace(QColor(0, 179, 0)));
    EXPECT_FALSE(IsDarkButtonFace(QColor(0, 0, 179)));
    EXPECT_FALSE(IsDarkButtonFace(QColor(240, 240, 240)));
    EXPECT_EQ(ToolbarStripPath(QColor(53, 53, 53)), ":/BITMAP/133");
    EXPECT_EQ(ToolbarStripPath(QColor(240, 240, 240)), ":/BITMAP/129");
}

TEST(ToolbarPicturesTest, CutsOnePictureAndClearsOnlyTheLightGrey)
{
    QImage strip(256, 32, QImage::Format_RGB888);
    for (int i = 0; i < 8; ++i) {
        QPainter painter(&strip);
        painter.fillRect(i * 32, 0, 32, 32, QColor(10 * i, 20, 30));
    }
    strip.setPixelColor(3 * 32 + 5, 7, ToolbarTransparentColour);
    strip.setPixelColor(3 * 32 + 6, 7, QColor(192, 192, 193));

    const QImage picture = ToolbarPicture(strip, 3);
    ASSERT_EQ(picture.size(), QSize(32, 32));
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(30, 20, 30));
    EXPECT_EQ(picture.pixelColor(31, 31), QColor(30, 20, 30));
    EXPECT_EQ(qAlpha(picture.pixel(5, 7)), 0);
    EXPECT_EQ(qAlpha(picture.pixel(6, 7)), 255) << "a near-grey stays visible";

    EXPECT_TRUE(ToolbarPicture(strip, 8).isNull());
    EXPECT_TRUE(ToolbarPicture(strip, -1).isNull());
    EXPECT_TRUE(ToolbarPicture(QImage(), 0).isNull());
    EXPECT_TRUE(ToolbarPicture(strip.copy(0, 0, 100, 20), 0).isNull());
}

// A frame's command actions as the toolbar sees them, counting what was issued.
class FakeCommands : public QObject {
public:
    FakeCommands()
    {
        for (int id : {CommandId::New, CommandId::Open, CommandId::Jumble,
                       CommandId::ShowSolution, CommandId::SolveForMe, CommandId::FromThisZip,
                       CommandId::FromFolder})
            Add(id, false);
        // Like a frame, the Grid command keeps its check mark on the setting, not on the click.
        QAction* grid = Add(CommandId::Grid, true);
        connect(grid, &QAction::triggered, this, [this, grid] { grid->setChecked(GridOn = !GridOn); });
        auto* sizes = new QActionGroup(this);
        for (int id = CommandId::Size3; id <= CommandId::Size10; ++id)
            sizes->addAction(Add(id, true));
    }

    QAction* Add(int id, bool checkable)
    {
        auto* action = new QAction(QString::number(id), this);
        action->setCheckable(checkable);
        connect(action, &QAction::triggered, this, [this, id] { Issued.push_back(id); });
        actions[id] = action;
        return action;
    }
    QAction* Action(int id) const
    {
        const auto found = actions.find(id);
        return found == actions.end() ? nullptr : found->second;
    }

    std::vector<int> Issued;
    bool GridOn = false;

private:
    std::map<int, QAction*> actions;
};

class ToolbarWidgetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* board = new QLabel(QStringLiteral("board"));
        board->setFixedSize(400, 300);
        frame.setCentralWidget(board);
        toolbar = new GameToolbar(&frame, [this](int id) { return commands.Action(id); });
        frame.addToolBar(Qt::TopToolBarArea, toolbar);
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    }

    // Clicks a drop-down button and returns the texts of its menu, checked items marked with '*';
    // `choose` picks an item by its text, or closes the menu when empty.
    QStringList OpenDropDown(int command, const QString& choose = {})
    {
        QStringList items;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            QAction* chosen = nullptr;
            for (QAction* action : menu->actions()) {
                items << action->text() + (action->isChecked() ? "*" : "");
                if (action->text() == choose)
                    chosen = action;
            }
            menu->close();
            if (chosen)
                chosen->trigger();
        });
        QTest::mouseClick(toolbar->ButtonFor(command), Qt::LeftButton);
        QApplication::processEvents();
        return items;
    }

    FakeCommands commands;
    QMainWindow frame;
    GameToolbar* toolbar = nullptr;
};

TEST_F(ToolbarWidgetTest, ButtonsIssueTheFrameCommandsWithTheirOwnTooltips)
{
    const std::vector<int> plain{CommandId::New, CommandId::Open, CommandId::Jumble,
                                 CommandId::ShowSolution, CommandId::SolveForMe};
    for (int id : plain)
        QTest::mouseClick(toolbar->ButtonFor(id), Qt::LeftButton);
    EXPECT_EQ(commands.Issued, plain);

    QStringList tips;
    int lastRight = 0;
    for (const ToolbarEntry& entry : ToolbarEntries) {
        if (entry.Command == 0)
            continue;
        QToolButton* button = toolbar->ButtonFor(entry.Command);
        ASSERT_NE(button, nullptr) << entry.Command;
        EXPECT_EQ(button->size(), QSize(40, 38));
        EXPECT_GE(button->x(), lastRight) << "left to right in table order";
        lastRight = button->geometry().right();
        tips << button->toolTip();
    }
    EXPECT_EQ(tips, QStringList({"New puzzle!", "Open picture", "Jumble!", "Show solution", "Solve for me!",
                                 "Puzzle difficulty", "Grid"}));
    const auto spaceBefore = [this](int left, int right) {
        return toolbar->ButtonFor(right)->x() - toolbar->ButtonFor(left)->geometry().right() - 1;
    };
    const int spacing = spaceBefore(CommandId::New, CommandId::Open);
    EXPECT_EQ(spaceBefore(CommandId::Open, CommandId::Jumble), 10 + 2 * spacing);
    EXPECT_EQ(spaceBefore(CommandId::SolveForMe, CommandId::PuzzleDifficulty), 10 + 2 * spacing);
}

TEST_F(ToolbarWidgetTest, SizeDropDownShowsTheCurrentSizeAndIssuesOnlyTheChosenOne)
{
    commands.Action(CommandId::SizeFor(5))->setChecked(true);  // 5 x 5
    int refreshes = 0;
    QObject::connect(toolbar, &GameToolbar::DropDownAboutToShow, [&] { ++refreshes; });

    const QStringList items = OpenDropDown(CommandId::PuzzleDifficulty, QStringLiteral("5 x 5"));
    EXPECT_EQ(items, QStringList({"3 x 3", "4 x 4", "5 x 5*", "6 x 6", "7 x 7", "8 x 8", "9 x 9", "10 x 10"}));
    EXPECT_EQ(refreshes, 1) << "the frame refreshes its check marks before the menu shows";
    EXPECT_EQ(commands.Issued, std::vector<int>{CommandId::SizeFor(5)})
        << "choosing the size already set issues it again; the button issues nothing itself";

    commands.Issued.clear();
    commands.Action(CommandId::Size10)->setChecked(true);
    EXPECT_EQ(OpenDropDown(CommandId::PuzzleDifficulty).last(), "10 x 10*");
    EXPECT_TRUE(commands.Issued.empty()) << "closing the menu issues nothing";
}

TEST_F(ToolbarWidgetTest, NewButtonStartsAtOnceOrDropsDownTheArchiveChoices)
{
    QTest::mouseClick(toolbar->ButtonFor(CommandId::New), Qt::LeftButton);
    EXPECT_EQ(commands.Issued, std::vector<int>{CommandId::New});

    commands.Issued.clear();
    toolbar->SetNewDropDown(true);
    EXPECT_TRUE(toolbar->NewDropDown());
    EXPECT_EQ(OpenDropDown(CommandId::New, QStringLiteral("From this Zip")),
              QStringList({"From folder", "From this Zip"}));
    EXPECT_EQ(OpenDropDown(CommandId::New, QStringLiteral("From folder")).size(), 2);
    EXPECT_EQ(commands.Issued, std::vector<int>({CommandId::FromThisZip, CommandId::FromFolder}));

    commands.Issued.clear();
    toolbar->SetNewDropDown(false);
    toolbar->SetNewDropDown(false);
    EXPECT_FALSE(toolbar->NewDropDown());
    QTest::mouseClick(toolbar->ButtonFor(CommandId::New), Qt::LeftButton);
    EXPECT_EQ(commands.Issued, std::vector<int>{CommandId::New});
}

TEST_F(ToolbarWidgetTest, GridButtonIsPressedExactlyWhileTheFrameChecksGrid)
{
    QToolButton* grid = toolbar->ButtonFor(CommandId::Grid);
    QAction* frameGrid = commands.Action(CommandId::Grid);
    EXPECT_FALSE(grid->isChecked());
    frameGrid->setChecked(true);
    EXPECT_TRUE(grid->isChecked());

    commands.GridOn = true;
    QTest::mouseClick(grid, Qt::LeftButton);
    EXPECT_FALSE(commands.GridOn);
    EXPECT_FALSE(grid->isChecked());
    QTest::mouseClick(grid, Qt::LeftButton);
    EXPECT_TRUE(grid->isChecked());
    EXPECT_EQ(commands.Issued, std::vector<int>({CommandId::Grid, CommandId::Grid}));

    // A frame that refuses the change keeps the button as it was.
    frameGrid->blockSignals(true);
    QTest::mouseClick(grid, Qt::LeftButton);
    frameGrid->blockSignals(false);
    EXPECT_EQ(grid->isChecked(), frameGrid->isChecked());
}

TEST_F(ToolbarWidgetTest, PicturesComeFromTheStripForTheButtonFace)
{
    EXPECT_EQ(toolbar->StripPath(), ":/BITMAP/129");
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    QApplication::setPalette(dark);
    QApplication::processEvents();
    EXPECT_EQ(toolbar->StripPath(), ":/BITMAP/133") << "a change of desktop colours picks the strip again";
    GameToolbar second(&frame, {});
    EXPECT_EQ(second.StripPath(), ":/BITMAP/133");
    QApplication::setPalette(light);
    QApplication::processEvents();
    EXPECT_EQ(toolbar->StripPath(), ":/BITMAP/129");
}

// Drags the toolbar by its handle to `to` (in the frame's coordinates) and lets go.
void DragToolbar(QWindow* window, QPoint handle, QPoint to, std::vector<int>& placesWhileDragging,
                 const std::vector<int>& places)
{
    QTest::mousePress(window, Qt::LeftButton, {}, handle);
    const QPoint step = (to - handle) / 10;
    for (int i = 1; i <= 10; ++i)
        QTest::mouseMove(window, handle + step * i);
    placesWhileDragging = places;
    QTest::mouseRelease(window, Qt::LeftButton, {}, to);
    QTest::qWait(50);
}

TEST_F(ToolbarWidgetTest, ReportsOnlyWhereItComesToRest)
{
    std::vector<int> places;
    QObject::connect(toolbar, &GameToolbar::PlaceChanged, [&](int dock) { places.push_back(dock); });
    EXPECT_EQ(toolbar->CurrentDock(), DockTop);

    frame.addToolBar(Qt::BottomToolBarArea, toolbar);
    QTest::qWait(20);
    EXPECT_EQ(places, std::vector<int>{DockBottom});

    std::vector<int> whileDragging;
    const QPoint handle = toolbar->mapTo(&frame, QPoint(4, toolbar->height() / 2));
    DragToolbar(frame.windowHandle(), handle, handle - QPoint(0, 600), whileDragging, places);
    EXPECT_EQ(whileDragging, std::vector<int>{DockBottom}) << "nothing while the mouse is held";
    EXPECT_TRUE(toolbar->isFloating());
    EXPECT_EQ(places, std::vector<int>({DockBottom, DockFloating}));

    toolbar->hide();
    toolbar->show();
    EXPECT_EQ(places.size(), 2u) << "showing it again in the same place is no move";

    frame.addToolBar(Qt::TopToolBarArea, toolbar);
    toolbar->show();
    QTest::qWait(20);
    EXPECT_EQ(places, std::vector<int>({DockBottom, DockFloating, DockTop}));
}

}  // namespace
