#include "AccessibleControls.h"
#include "MessageBoxAnswerer.h"
#include "ScoreProfileFixture.h"
#include "ScoreboardsDialog.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

QStringList RowTexts(const QTreeWidget* list, int row)
{
    QStringList texts;
    const QTreeWidgetItem* item = list->topLevelItem(row);
    for (int column = 0; item && column < list->columnCount(); ++column)
        texts << item->text(column);
    return texts;
}

class ScoreboardsDialogTest : public ScoreProfileFixture {
protected:
    // A new second place on the tile-swap board, a new first place on the slider board.
    void StoreChangedBoards()
    {
        ScorePair scores = StoredScores();
        scores.InsertScore(TileSwap, QStringLiteral("Swapper"), 10, 3725, 40);
        scores.InsertScore(Slider, QStringLiteral("Slider"), 10, 60, 300);
        scores.SaveScores();
    }

    static QTreeWidget* List(const ScoreboardsDialog& dialog, const char* name)
    {
        return dialog.findChild<QTreeWidget*>(name);
    }
    static QString Title(const ScoreboardsDialog& dialog) { return dialog.findChild<QGroupBox*>("board")->title(); }
    static QPushButton* Button(const ScoreboardsDialog& dialog, const char* name)
    {
        return dialog.findChild<QPushButton*>(name);
    }
};

}  // namespace

TEST_F(ScoreboardsDialogTest, OpensOnTheTileSwapBoardAndSwitchesBetweenTheTwo)
{
    ScoreboardsDialog dialog(nullptr, profile_);
    dialog.show();
    QTreeWidget* tileSwap = List(dialog, "tileSwapList");
    QTreeWidget* slider = List(dialog, "sliderList");
    QPushButton* switchButton = Button(dialog, "switchButton");

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Scoreboards"));
    EXPECT_EQ(Title(dialog), QStringLiteral("Tile swap"));
    EXPECT_TRUE(tileSwap->isVisible());
    EXPECT_FALSE(slider->isVisible());
    EXPECT_EQ(tileSwap->geometry(), slider->geometry());
    EXPECT_EQ(switchButton->text(), QStringLiteral("Slider scores >>>"));
    EXPECT_EQ(UnnamedControls(dialog), QStringList());

    QTest::mouseClick(switchButton, Qt::LeftButton);
    EXPECT_EQ(Title(dialog), QStringLiteral("Slider Puzzle"));
    EXPECT_FALSE(tileSwap->isVisible());
    EXPECT_TRUE(slider->isVisible());
    EXPECT_EQ(switchButton->text(), QStringLiteral("Tile Swap scores >>>"));

    QTest::mouseClick(switchButton, Qt::LeftButton);
    EXPECT_EQ(Title(dialog), QStringLiteral("Tile Swap"));
    EXPECT_TRUE(tileSwap->isVisible());
    EXPECT_FALSE(slider->isVisible());
    EXPECT_EQ(switchButton->text(), QStringLiteral("Slider scores >>>"));
}

TEST_F(ScoreboardsDialogTest, ListsShowEveryPlaceOfBothBoards)
{
    ScoreboardsDialog dialog(nullptr, profile_);
    const QTreeWidget* tileSwap = List(dialog, "tileSwapList");
    const QTreeWidget* slider = List(dialog, "sliderList");

    const QStringList titles{"Name", "Difficulty", "Time", "Moves"};
    for (const QTreeWidget* list : {tileSwap, slider}) {
        ASSERT_EQ(list->columnCount(), 4);
        EXPECT_EQ(list->topLevelItemCount(), 10);
        const QTreeWidgetItem* header = list->headerItem();
        const double shares[] = {0.25, 0.2, 0.3, 0.2};
        for (int column = 0; column < 4; ++column) {
            EXPECT_EQ(header->text(column), titles[column]);
            EXPECT_EQ(list->columnWidth(column), int(list->width() * shares[column])) << column;
        }
    }
    EXPECT_EQ(RowTexts(tileSwap, 0), (QStringList{"TaLoNdRiX", "10 x 10", "18 mins 31 secs", "318"}));
    EXPECT_EQ(RowTexts(tileSwap, 8), (QStringList{"TaLoNdRiX", "3 x 3", "05 secs", "7"}));
    EXPECT_EQ(RowTexts(slider, 0), (QStringList{"Quibb", "10 x 10", "29 mins 14 secs", "1124"}));
    EXPECT_EQ(RowTexts(slider, 9), (QStringList{"Quibb", "3 x 3", "19 secs", "62"}));
}

TEST_F(ScoreboardsDialogTest, ResetAskedWithYesRestoresBothBoardsAtOnce)
{
    StoreChangedBoards();
    ScoreboardsDialog dialog(nullptr, profile_);
    EXPECT_EQ(RowTexts(List(dialog, "tileSwapList"), 1),
              (QStringList{"Swapper", "10 x 10", "01 hrs 02 mins 05 secs", "40"}));
    EXPECT_EQ(RowTexts(List(dialog, "sliderList"), 0), (QStringList{"Slider", "10 x 10", "01 mins 00 secs", "300"}));
    dialog.show();
    QTest::mouseClick(Button(dialog, "switchButton"), Qt::LeftButton);
    {
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        QTest::mouseClick(Button(dialog, "resetButton"), Qt::LeftButton);
        EXPECT_EQ(answerer.Captions(), QStringList{"Reset scores"});
        EXPECT_EQ(answerer.Texts(), QStringList{"Are you sure?"});
    }
    // Stored at once, not on closing.
    EXPECT_TRUE(SameTable(StoredScores().TileSwap(), ScoreTable::DefaultTileSwap()));
    EXPECT_TRUE(SameTable(StoredScores().Slider(), ScoreTable::DefaultSlider()));
    EXPECT_EQ(RowTexts(List(dialog, "tileSwapList"), 1).first(), QStringLiteral("Quibb"));
    EXPECT_EQ(RowTexts(List(dialog, "sliderList"), 0).first(), QStringLiteral("Quibb"));
    EXPECT_EQ(List(dialog, "sliderList")->topLevelItemCount(), 10);
    // The board on show stays the one that was shown.
    EXPECT_FALSE(dialog.ShowingTileSwap());
    EXPECT_TRUE(List(dialog, "sliderList")->isVisible());
    EXPECT_EQ(Title(dialog), QStringLiteral("Slider Puzzle"));
}

TEST_F(ScoreboardsDialogTest, ResetAnsweredNoChangesNothing)
{
    StoreChangedBoards();
    ScoreboardsDialog dialog(nullptr, profile_);
    dialog.show();
    {
        MessageBoxAnswerer answerer(QMessageBox::No);
        QTest::mouseClick(Button(dialog, "resetButton"), Qt::LeftButton);
        EXPECT_EQ(answerer.Texts().size(), 1);
    }
    EXPECT_EQ(StoredScores().TileSwap()[1].Name, QStringLiteral("Swapper"));
    EXPECT_EQ(StoredScores().Slider()[0].Name, QStringLiteral("Slider"));
    EXPECT_EQ(RowTexts(List(dialog, "tileSwapList"), 1).first(), QStringLiteral("Swapper"));
}
