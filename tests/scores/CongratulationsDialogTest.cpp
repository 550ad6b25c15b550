#include "AccessibleControls.h"
#include "CongratulationsDialog.h"
#include "GameReport.h"
#include "ScoreProfileFixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <climits>

namespace {

class CongratulationsDialogTest : public ScoreProfileFixture {
protected:
    QString StoredPlayerName() { return profile_.GetProfileString("Scores", "PlayerName", "<none>"); }

    static QString Text(const CongratulationsDialog& dialog, const char* label)
    {
        return dialog.findChild<QLabel*>(label)->text();
    }
    static QLineEdit* NameBox(const CongratulationsDialog& dialog) { return dialog.findChild<QLineEdit*>("nameBox"); }
    static void PressOk(const CongratulationsDialog& dialog)
    {
        QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
    }
    static void Type(const CongratulationsDialog& dialog, const QString& name)
    {
        NameBox(dialog)->clear();
        QTest::keyClicks(NameBox(dialog), name);
    }
};

}  // namespace

TEST_F(CongratulationsDialogTest, ReportsDifficultyWithSkillTitleTimeAndMoves)
{
    CongratulationsDialog novice(nullptr, profile_, GameResult{TileSwap, 4, 65, 19});
    EXPECT_EQ(novice.windowTitle(), QStringLiteral("Congratulations!"));
    EXPECT_EQ(Text(novice, "difficultyLine"), QStringLiteral("Puzzle difficulty : 4 x 4 (Novice)"));
    EXPECT_EQ(Text(novice, "timeLine"), QStringLiteral("Time taken : 1 mins, 5 secs"));
    EXPECT_EQ(Text(novice, "movesLine"), QStringLiteral("Moves made : 19"));

    CongratulationsDialog master(nullptr, profile_, GameResult{Slider, 10, 3605, 1200});
    EXPECT_EQ(Text(master, "difficultyLine"), QStringLiteral("Puzzle difficulty : 10 x 10 (Grandmaster)"));
    EXPECT_EQ(Text(master, "timeLine"), QStringLiteral("Time taken : 1 hrs, 0 mins, 5 secs"));
    // No close box: the dialog ends through OK or Escape.
    EXPECT_FALSE(master.windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(CongratulationsDialogTest, GamePlayedWithHintsSaysSoAndEarnsNoPlace)
{
    GameResult hinted{TileSwap, 10, 1, 1};  // would beat every place
    hinted.WithHints = true;
    CongratulationsDialog dialog(nullptr, profile_, hinted);
    EXPECT_EQ(Text(dialog, "difficultyLine"),
              QStringLiteral("Puzzle difficulty : 10 x 10 (Grandmaster) (with hints)"));
    EXPECT_FALSE(dialog.PlaceEarned());
    EXPECT_TRUE(NameBox(dialog)->isHidden());
}

TEST_F(CongratulationsDialogTest, ResultWithoutAPlaceIsAPlainReportAndOkRecordsNothing)
{
    // Ties with the last default place, so it does not qualify.
    CongratulationsDialog dialog(nullptr, profile_, GameResult{TileSwap, 3, 7, 9});
    EXPECT_FALSE(dialog.PlaceEarned());
    EXPECT_TRUE(NameBox(dialog)->isHidden());
    EXPECT_TRUE(dialog.findChild<QLabel*>("namePrompt")->isHidden());

    dialog.show();
    PressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(SameTable(StoredScores().TileSwap(), ScoreTable::DefaultTileSwap()));
    EXPECT_EQ(StoredPlayerName(), QStringLiteral("<none>"));
}

TEST_F(CongratulationsDialogTest, QualifyingResultTakesItsPlaceAndTheNameIsOfferedNextTime)
{
    {
        // Beats default place 6 (4 x 4, 15 s, 19 moves) by one move.
        CongratulationsDialog dialog(nullptr, profile_, GameResult{TileSwap, 4, 15, 18});
        ASSERT_TRUE(dialog.PlaceEarned());
        EXPECT_FALSE(NameBox(dialog)->isHidden());
        EXPECT_EQ(NameBox(dialog)->text(), QStringLiteral("Player 1"));
        dialog.show();
        EXPECT_EQ(UnnamedControls(dialog), QStringList()) << "the prompt is the name box's label";
        Type(dialog, QStringLiteral("Ada"));
        PressOk(dialog);
    }
    const ScorePair afterFirst = StoredScores();
    const ScoreTable defaults = ScoreTable::DefaultTileSwap();
    EXPECT_EQ(afterFirst.TileSwap()[6], (ScoreEntry{QStringLiteral("Ada"), 4, 18, 15}));
    EXPECT_EQ(afterFirst.TileSwap()[7], defaults[6]);
    EXPECT_EQ(afterFirst.TileSwap()[9], defaults[8]);
    EXPECT_TRUE(SameTable(afterFirst.Slider(), ScoreTable::DefaultSlider()));
    EXPECT_EQ(StoredPlayerName(), QStringLiteral("Ada"));

    // A slider game offers the remembered name; the focus starts on OK, so Enter accepts it.
    CongratulationsDialog next(nullptr, profile_, GameResult{Slider, 10, 100, 50});
    EXPECT_EQ(NameBox(next)->text(), QStringLiteral("Ada"));
    QTimer::singleShot(0, [] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        EXPECT_EQ(modal->focusWidget(), modal->findChild<QPushButton*>("okButton"));
        QTest::keyClick(modal->focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(next.exec(), QDialog::Accepted);
    EXPECT_EQ(StoredScores().Slider()[0], (ScoreEntry{QStringLiteral("Ada"), 10, 50, 100}));
    EXPECT_TRUE(SameTable(StoredScores().TileSwap(), afterFirst.TileSwap()));
}

TEST_F(CongratulationsDialogTest, BlankNameIsRecordedAsPlayer1AndLongNamesAreCut)
{
    const struct {
        QString typed;
        QString recorded;
    } cases[] = {
        {QString(), QStringLiteral("Player 1")},
        {QStringLiteral("   "), QStringLiteral("Player 1")},
        {QStringLiteral(" Bo "), QStringLiteral(" Bo ")},
        {QString(40, QLatin1Char('w')), QString(GameReport::MaxNameLength, QLatin1Char('w'))},
    };
    for (const auto& c : cases) {
        SetUp();
        profile_.WriteProfileString("Scores", "PlayerName", "Someone");
        CongratulationsDialog dialog(nullptr, profile_, GameResult{TileSwap, 10, 60, 60});
        dialog.show();
        Type(dialog, c.typed);
        PressOk(dialog);
        EXPECT_EQ(StoredScores().TileSwap()[0].Name, c.recorded) << c.typed.toStdString();
        EXPECT_EQ(StoredPlayerName(), c.recorded);
    }
}

TEST_F(CongratulationsDialogTest, EscapeOrACloseRequestRecordsNothing)
{
    profile_.WriteProfileString("Scores", "PlayerName", "Bob");
    for (bool byEscape : {true, false}) {
        CongratulationsDialog dialog(nullptr, profile_, GameResult{TileSwap, 10, 60, 60});
        ASSERT_TRUE(dialog.PlaceEarned());
        dialog.show();
        Type(dialog, QStringLiteral("Zed"));
        if (byEscape)
            QTest::keyClick(NameBox(dialog), Qt::Key_Escape);
        else
            dialog.close();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_TRUE(SameTable(StoredScores().TileSwap(), ScoreTable::DefaultTileSwap()));
        EXPECT_EQ(StoredPlayerName(), QStringLiteral("Bob"));
    }
}

TEST(GameReport, TimeOutsideWhatAScoreHoldsIsRankedWithinIt)
{
    EXPECT_EQ(GameReport::RankedTime(-5), 0);  // a clock set back during play
    EXPECT_EQ(GameReport::RankedTime(90000), 90000);
    EXPECT_EQ(GameReport::RankedTime(LONG_MAX), INT_MAX);
}
