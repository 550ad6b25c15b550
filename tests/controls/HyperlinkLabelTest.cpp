#include "HyperlinkLabel.h"
#include "MessageBoxAnswerer.h"

#include <QAccessible>
#include <QEnterEvent>
#include <QTest>
#include <gtest/gtest.h>

class HyperlinkLabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        label.SetOpener([this](const QString& address) {
            opened << address;
            return openResult;
        });
        label.SetBeep([this] { ++beeps; });
        label.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&label));
        Hover(false);  // a new window may appear under the pointer
    }

    void Hover(bool over)
    {
        if (over) {
            QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), label.mapToGlobal(QPointF(2, 2)));
            QApplication::sendEvent(&label, &enter);
        } else {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(&label, &leave);
        }
    }
    QColor TextColour() const { return label.palette().color(QPalette::WindowText); }

    HyperlinkLabel label{"www.tilorapuzzle.com"};
    QStringList opened;
    int openResult = 42;
    int beeps = 0;
};

TEST_F(HyperlinkLabelTest, ShowsTheAddressAsALink)
{
    EXPECT_EQ(label.text(), "www.tilorapuzzle.com");
    EXPECT_EQ(label.toolTip(), "www.tilorapuzzle.com");
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(TextColour(), QColor(0, 0, 238));
    EXPECT_FALSE(label.font().underline());
}

TEST_F(HyperlinkLabelTest, HoverUnderlinesInTheHoverColourUntilThePointerLeaves)
{
    Hover(true);
    EXPECT_TRUE(label.font().underline());
    EXPECT_EQ(TextColour(), QColor(255, 0, 0));
    Hover(false);
    EXPECT_FALSE(label.font().underline());
    EXPECT_EQ(TextColour(), QColor(0, 0, 238));
}

TEST_F(HyperlinkLabelTest, ClickOpensExactlyTheAddressAndMarksTheLinkVisited)
{
    MessageBoxAnswerer answerer(QMessageBox::Ok);
    Hover(true);
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(opened, QStringList{"www.tilorapuzzle.com"});
    EXPECT_TRUE(label.IsVisited());
    Hover(false);
    EXPECT_FALSE(label.font().underline());
    EXPECT_EQ(TextColour(), QColor(85, 26, 139));
    EXPECT_EQ(beeps, 0);
    EXPECT_TRUE(answerer.Texts().isEmpty());
}

TEST_F(HyperlinkLabelTest, FailureBeepsExplainsAndLeavesTheLinkUnvisited)
{
    openResult = 2;
    MessageBoxAnswerer answerer(QMessageBox::Ok);
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(answerer.Texts(), QStringList{"Unable to open hyperlink:\n\nThe specified file was not found."});
    EXPECT_EQ(answerer.Captions(), QStringList{QGuiApplication::applicationDisplayName()});
    EXPECT_FALSE(label.IsVisited());
    Hover(false);  // the pointer may be back over the label once the box is gone
    EXPECT_EQ(TextColour(), QColor(0, 0, 238));
}

TEST_F(HyperlinkLabelTest, KeysAndTheScreenReadersPressOpenItAsAClickDoes)
{
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(&label);
    EXPECT_EQ(link->role(), QAccessible::Link);
    EXPECT_EQ(link->text(QAccessible::Name), "www.tilorapuzzle.com");
    QTest::keyClick(&label, Qt::Key_Return);
    QTest::keyClick(&label, Qt::Key_Space);
    QTest::keyClick(&label, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(&label, Qt::Key_A);
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(opened.size(), 4) << "Return, Space, Enter and the press action; nothing else";
}

TEST(HyperlinkErrorTextTest, KnownCodesHaveTheirReasonOthersTheirNumber)
{
    EXPECT_EQ(HyperlinkLabel::ErrorText(0), "The operating system is out\nof memory or resources.");
    EXPECT_EQ(HyperlinkLabel::ErrorText(31),
              "There is no application associated\nwith the given filename extension.");
    EXPECT_EQ(HyperlinkLabel::ErrorText(4), "Unknown Error (4) occurred.");
    EXPECT_EQ(HyperlinkLabel::ErrorText(-7), "Unknown Error (-7) occurred.");
}

TEST(HyperlinkAddressTest, TextAndAddressCanDiffer)
{
    HyperlinkLabel empty;
    empty.SetAddress("https://example.org/a");
    EXPECT_EQ(empty.text(), "https://example.org/a");

    HyperlinkLabel named;
    named.setText("Our web site");
    named.SetAddress("https://example.org/b");
    EXPECT_EQ(named.text(), "Our web site");
    EXPECT_EQ(named.Address(), "https://example.org/b");
    EXPECT_EQ(named.toolTip(), "https://example.org/b");
}
