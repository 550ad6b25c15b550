// The toolbar on its own: when it takes room, its pictures, and its buttons standing in for a
// frame's command actions.
#include "DropDownClicker.h"
#include "GameToolbar.h"
#include "ToolbarLayout.h"
#include "ToolbarPictures.h"
#include "ToolbarPlacement.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

TEST(ToolbarPlacementTest, WindowAdjustsOnlyWhenTheToolbarStartsOrStopsTakingRoom)
{
    ToolbarPlacement placement;  // shown, docked at the top
    EXPECT_FALSE(placement.MoveTo(DockBottom)) << "top to bottom keeps the size";
    EXPECT_TRUE(placement.MoveTo(DockFloating));
    EXPECT_EQ(placement.HeightChange(46), -46);
    EXPECT_FALSE(placement.SetShown(false)) << "hiding a floating toolbar does not resize";
    EXPECT_FALSE(placement.SetShown(true));
    EXPECT_TRUE(placement.MoveTo(DockTop));
    EXPECT_EQ(placement.HeightChange(46), 46);
    EXPECT_TRUE(placement.SetShown(false));
    EXPECT_FALSE(placement.SetShown(false)) << "hiding twice must not shrink twice";
}

TEST(ToolbarPicturesTest, DarkFaceChoosesTheOtherStripAndGreyIsSeeThrough)
{
    EXPECT_EQ(ToolbarStripPath(QColor(178, 178, 178)), ":/BITMAP/133");
    for (const QColor face : {QColor(179, 0, 0), QColor(0, 179, 0), QColor(0, 0, 179)})
        EXPECT_EQ(ToolbarStripPath(face), ":/BITMAP/129") << face.name().toStdString();

    QImage strip(256, 32, QImage::Format_RGB888);
    QPainter(&strip).fillRect(96, 0, 32, 32, QColor(30, 20, 10));
    strip.setPixelColor(96 + 5, 7, ToolbarTransparentColour);
    strip.setPixelColor(96 + 6, 7, QColor(192, 192, 193));
    const QImage picture = ToolbarPicture(strip, 3);
    ASSERT_EQ(picture.size(), QSize(32, 32));
    EXPECT_EQ(picture.pixelColor(31, 31), QColor(30, 20, 10));
    EXPECT_EQ(qAlpha(picture.pixel(5, 7)), 0);
    EXPECT_EQ(qAlpha(picture.pixel(6, 7)), 255) << "a near-grey stays visible";
    EXPECT_TRUE(ToolbarPicture(strip, 8).isNull()) << "past the strip's end";
    EXPECT_TRUE(ToolbarPicture(strip.copy(0, 0, 100, 20), 0).isNull()) << "a strip too small";
}

// A frame's command table as the toolbar sees it, counting what was issued; its Grid command
// keeps the check mark the test sets, whatever the button does.
class FakeCommands : public QObject {
public:
    FakeCommands()
    {
        for (int id : {CommandId::New, CommandId::Open, CommandId::Jumble, CommandId::ShowSolution,
                       CommandId::SolveForMe, CommandId::Grid, CommandId::FromThisZip, CommandId::FromFolder}) {
            CommandTable::CheckRule rule;
            if (id == CommandId::Grid)
                rule = [this] { return GridOn; };
            table.Add(id, id == CommandId::FromFolder ? "From folder" : "", {},
                      [this, id] { Issued.push_back(id); }, rule);
        }
    }

    CommandTable table{this};
    std::vector<int> Issued;
    bool GridOn = false;
};

class ToolbarWidgetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* board = new QLabel;
        board->setFixedSize(400, 300);
        frame.setCentralWidget(board);
        toolbar = new GameToolbar(&frame, commands.table);
        frame.addToolBar(Qt::TopToolBarArea, toolbar);
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    }

    FakeCommands commands;
    QMainWindow frame;
    GameToolbar* toolbar = nullptr;
};

TEST_F(ToolbarWidgetTest, ButtonsIssueTheFrameCommandsAndKeepTheFramesCheckMark)
{
    const std::vector<int> plain{CommandId::New, CommandId::Open, CommandId::Jumble, CommandId::ShowSolution,
                                 CommandId::SolveForMe};
    for (int id : plain)
        QTest::mouseClick(toolbar->ButtonFor(id), Qt::LeftButton);
    EXPECT_EQ(commands.Issued, plain);

    QStringList tips;
    for (const ToolbarEntry& entry : ToolbarEntries) {
        if (QToolButton* button = toolbar->ButtonFor(entry.Command)) {
            EXPECT_EQ(button->size(), QSize(40, 38));
            tips << button->toolTip();
        }
    }
    EXPECT_EQ(tips, QStringList({"New puzzle!", "Open picture", "Jumble!", "Show solution", "Solve for me!",
                                 "Puzzle difficulty", "Grid"}));

    // The Grid button shows the frame's check mark, even when the frame does not follow a click.
    QToolButton* grid = toolbar->ButtonFor(CommandId::Grid);
    commands.GridOn = true;
    commands.table.RefreshChecks();
    EXPECT_TRUE(grid->isChecked());
    QTest::mouseClick(grid, Qt::LeftButton);
    EXPECT_TRUE(grid->isChecked()) << "the frame kept Grid on";
    EXPECT_EQ(commands.Issued.back(), CommandId::Grid);
}

TEST_F(ToolbarWidgetTest, NewButtonStartsAtOnceOrDropsDownTheArchiveChoices)
{
    QToolButton* button = toolbar->ButtonFor(CommandId::New);
    toolbar->SetNewDropDown(true);
    EXPECT_EQ(ClickDropDown(button, "From this Zip"), QStringList({"From folder", "From this Zip"}));
    ClickDropDown(button, "From folder");
    ClickDropDown(button);
    EXPECT_EQ(commands.Issued, std::vector<int>({CommandId::FromThisZip, CommandId::FromFolder}))
        << "the drop-down issues only what was chosen";

    toolbar->SetNewDropDown(false);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(commands.Issued.back(), CommandId::New);
}

TEST_F(ToolbarWidgetTest, PicturesFollowTheDesktopsButtonFace)
{
    EXPECT_EQ(toolbar->StripPath(), ":/BITMAP/129");
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    QApplication::setPalette(dark);
    QApplication::processEvents();
    EXPECT_EQ(toolbar->StripPath(), ":/BITMAP/133");
    EXPECT_EQ(GameToolbar(&frame, commands.table).StripPath(), ":/BITMAP/133");
    QApplication::setPalette(light);
    QApplication::processEvents();
    EXPECT_EQ(toolbar->StripPath(), ":/BITMAP/129");
}

TEST_F(ToolbarWidgetTest, ReportsOnlyWhereItComesToRest)
{
    std::vector<int> places;
    QObject::connect(toolbar, &GameToolbar::PlaceChanged, [&](int dock) { places.push_back(dock); });
    frame.addToolBar(Qt::BottomToolBarArea, toolbar);
    QTest::qWait(20);
    EXPECT_EQ(places, std::vector<int>{DockBottom});

    // Dragged away by its handle, it floats on the way; only where it is let go counts.
    QWindow* window = frame.windowHandle();
    const QPoint handle = toolbar->mapTo(&frame, QPoint(4, toolbar->height() / 2));
    QTest::mousePress(window, Qt::LeftButton, {}, handle);
    for (int i = 1; i <= 10; ++i)
        QTest::mouseMove(window, handle - QPoint(0, 60 * i));
    EXPECT_EQ(places, std::vector<int>{DockBottom}) << "nothing while the mouse is held";
    QTest::mouseRelease(window, Qt::LeftButton, {}, handle - QPoint(0, 600));
    EXPECT_TRUE(toolbar->isFloating());
    EXPECT_EQ(places, std::vector<int>({DockBottom, DockFloating}));

    toolbar->hide();
    toolbar->show();
    EXPECT_EQ(places.size(), 2u) << "shown again in the same place is no move";
}

}  // namespace
