#include "AboutBox.h"
#include "AccessibleControls.h"
#include "Help.h"
#include "HyperlinkLabel.h"
#include "MessageBoxAnswerer.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>

namespace {

QStringList LabelTexts(const QWidget& parent)
{
    QStringList texts;
    for (const QLabel* label : parent.findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

} // namespace

TEST(AboutBoxTest, ShowsThePictureTheCreditsAndTheLink)
{
    AboutBox box;
    EXPECT_EQ(box.windowTitle(), "About Tilora");
    EXPECT_TRUE(LabelTexts(box).contains(QStringLiteral("%1\n\n%2").arg(AboutBox::ProductLine, AboutBox::CreditLine)));
    EXPECT_EQ(box.Link()->Address(), AboutBox::WebSite);

    bool pictureShown = false;
    for (const QLabel* label : box.findChildren<QLabel*>())
        pictureShown = pictureShown || label->pixmap().size() == QSize(197, 198);
    EXPECT_TRUE(pictureShown);
}

TEST(AboutBoxTest, OkEscapeAndTheCloseBoxAllCloseIt)
{
    const std::vector<std::pair<const char*, std::function<void(AboutBox&)>>> ways = {
        {"OK", [](AboutBox& box) {
             box.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
         }},
        {"Escape", [](AboutBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }},
        {"close box", [](AboutBox& box) { box.close(); }},
    };
    for (const auto& [name, close] : ways) {
        AboutBox box;
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        close(box);
        EXPECT_FALSE(box.isVisible()) << name;
    }
}

TEST(AboutBoxTest, ReturnPressesOkTheLinkIsATabAwayAndThePictureIsDescribed)
{
    AboutBox box;
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    EXPECT_EQ(QApplication::focusWidget(), box.findChild<QPushButton*>(QStringLiteral("okButton")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), box.Link());
    EXPECT_EQ(UnnamedControls(box), QStringList());
}

// A program installed under <root>/prefix/games, with the desktop's data folders in <root>/home
// (the player's) and <root>/system. Each test runs in a process of its own.
class HelpLookup : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root_.isValid());
        qputenv("XDG_DATA_HOME", Place("home").toUtf8());
        qputenv("XDG_DATA_DIRS", Place("system").toUtf8());
    }
    QString Place(const QString& relative) const { return root_.path() + "/" + relative; }
    QString ProgramFolder() const { return Place("prefix/games"); }
    void PutBook(const QString& folder) const
    {
        ASSERT_TRUE(QDir().mkpath(Place(folder)));
        QFile book(Place(folder + "/Tilora.html"));
        ASSERT_TRUE(book.open(QIODevice::WriteOnly));
    }

private:
    QTemporaryDir root_;
};

TEST_F(HelpLookup, BesideTheProgramFirstThenTheDataFoldersThenTheInstallPrefix)
{
    const QStringList order = {"prefix/games", "home/tilora", "system/tilora", "prefix/share/tilora"};
    QStringList expected;
    for (const QString& folder : order)
        expected << Place(folder + "/Tilora.html");
    EXPECT_EQ(HelpFileCandidates(ProgramFolder()), expected);
    EXPECT_EQ(HelpFileCandidates(ProgramFolder() + "/"), expected);

    // Put the book in the places from last to first: each new one wins.
    EXPECT_EQ(FindHelpFile(ProgramFolder()), QString());
    for (qsizetype i = order.size() - 1; i >= 0; --i) {
        PutBook(order[i]);
        EXPECT_EQ(FindHelpFile(ProgramFolder()), expected[i]);
    }
}

TEST_F(HelpLookup, MissingOrUnopenableBookIsToldToThePlayerByName)
{
    bool handed = false;
    const auto refuse = [&](const QString&) { return handed = true, false; };
    {
        MessageBoxAnswerer answerer(QMessageBox::Ok);
        OpenHelp(nullptr, ProgramFolder(), refuse);
        EXPECT_FALSE(handed);
        ASSERT_EQ(answerer.Texts().size(), 1);
        for (const QString& place : HelpFileCandidates(ProgramFolder()))
            EXPECT_TRUE(answerer.Texts().first().contains(place)) << place.toStdString();
    }
    PutBook("system/tilora");
    MessageBoxAnswerer answerer(QMessageBox::Ok);
    OpenHelp(nullptr, ProgramFolder(), refuse);
    EXPECT_TRUE(handed);
    ASSERT_EQ(answerer.Texts().size(), 1);
    EXPECT_EQ(answerer.Texts().first(),
              QStringLiteral("The help book %1 could not be opened.").arg(Place("system/tilora/Tilora.html")));
}
