#include "AboutBox.h"
#include "Help.h"
#include "HyperlinkLabel.h"

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

TEST(HelpTest, TheBookLivesInTheProgramFolderWithOrWithoutItsSlash)
{
    EXPECT_EQ(HelpFilePath("/opt/tilora"), "/opt/tilora/Tilora.html");
    EXPECT_EQ(HelpFilePath("/opt/tilora/"), "/opt/tilora/Tilora.html");

    QString handed;
    EXPECT_TRUE(OpenHelp("/opt/tilora", [&](const QString& path) {
        handed = path;
        return true;
    }));
    EXPECT_EQ(handed, "/opt/tilora/Tilora.html");
}

TEST(HelpTest, MissingBookIsReportedAsNotOpened)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    EXPECT_FALSE(OpenHelp(empty.path()));
}
