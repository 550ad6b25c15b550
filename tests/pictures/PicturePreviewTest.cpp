#include "PicturePreview.h"
#include "PreviewFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using TestArchives::WriteZip;
using TestPictures::WriteFile;

class PicturePreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(WriteFile(Path("a.BMP"), SolidBmp(Qt::red)));
        ASSERT_TRUE(WriteZip(Path("X.ZIP"), {{"one.bmp", SolidBmp(Qt::blue)},
                                                 {"readme.txt", "not a picture"},
                                                 {"sub/two.BMP", SolidBmp(Qt::green)},
                                                 {"three.gif", SolidBmp(Qt::yellow)}}));
    }

    QString Path(const QString& name) const { return dir.filePath(name); }
    QColor Shown() const { return preview.Preview().Image().pixelColor(0, 0); }

    QTemporaryDir dir;
    QStringList messages;
    PicturePreview preview{[this](const QString& message) { messages << message; }};
};

TEST_F(PicturePreviewTest, PictureFileIsPreviewedWithoutArrows)
{
    preview.SelectionChanged(Path("a.BMP"));
    EXPECT_TRUE(preview.ShowsPicture());
    EXPECT_EQ(Shown(), QColor(Qt::red));
    EXPECT_FALSE(preview.IsArchive());
    EXPECT_EQ(preview.CounterText(), "");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(PicturePreviewTest, ArchiveStepsThroughItsPicturesAndStopsAtBothEnds)
{
    preview.SelectionChanged(Path("X.ZIP"));
    ASSERT_TRUE(preview.IsArchive());
    EXPECT_EQ(preview.CounterText(), "1 of 3");
    EXPECT_EQ(Shown(), QColor(Qt::blue));

    preview.StepBack();
    EXPECT_EQ(preview.CounterText(), "1 of 3");
    EXPECT_EQ(Shown(), QColor(Qt::blue));

    preview.StepForward();
    EXPECT_EQ(Shown(), QColor(Qt::green));
    preview.StepForward();
    EXPECT_EQ(preview.CounterText(), "3 of 3");
    EXPECT_EQ(Shown(), QColor(Qt::yellow));

    preview.StepForward();
    EXPECT_EQ(preview.CounterText(), "3 of 3");
    EXPECT_EQ(preview.PictureNumber(), 3);
    EXPECT_EQ(Shown(), QColor(Qt::yellow));

    preview.StepBack();
    EXPECT_EQ(preview.CounterText(), "2 of 3");
    EXPECT_EQ(Shown(), QColor(Qt::green));
    EXPECT_EQ(preview.PictureCount(), 3);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(PicturePreviewTest, PictureAfterArchiveHidesTheArrowsAndStepsDoNothing)
{
    preview.SelectionChanged(Path("X.ZIP"));
    preview.SelectionChanged(Path("a.BMP"));
    EXPECT_FALSE(preview.IsArchive());
    EXPECT_EQ(preview.CounterText(), "");
    preview.StepForward();
    EXPECT_EQ(preview.PictureNumber(), 1);
    EXPECT_EQ(Shown(), QColor(Qt::red));
}

TEST_F(PicturePreviewTest, PreviewOffEmptiesThePaneAndOnPreviewsAgainFromTheStart)
{
    preview.SelectionChanged(Path("X.ZIP"));
    preview.StepForward();
    preview.SetPreviewOn(false);
    EXPECT_FALSE(preview.ShowsPicture());

    preview.SetPreviewOn(true);
    EXPECT_TRUE(preview.ShowsPicture());
    EXPECT_EQ(preview.CounterText(), "1 of 3");
    EXPECT_EQ(Shown(), QColor(Qt::blue));
}

TEST_F(PicturePreviewTest, SelectionWhilePreviewIsOffLoadsNothingAndHidesTheArrows)
{
    preview.SelectionChanged(Path("X.ZIP"));
    preview.SetPreviewOn(false);
    preview.SelectionChanged(Path("a.BMP"));
    EXPECT_FALSE(preview.IsArchive());
    preview.StepForward();
    EXPECT_EQ(preview.PictureNumber(), 1);

    preview.SetPreviewOn(true);
    EXPECT_EQ(Shown(), QColor(Qt::red));
}

TEST_F(PicturePreviewTest, FoldersAndOtherFilesLeaveThePaneEmpty)
{
    ASSERT_TRUE(WriteFile(Path("notes.txt"), "hello"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("album.jpg"));
    for (const QString name : {"notes.txt", "album.jpg", ""}) {
        preview.SelectionChanged(Path("a.BMP"));
        if (name.isEmpty())
            preview.FolderChanged();
        else
            preview.SelectionChanged(Path(name));
        EXPECT_FALSE(preview.ShowsPicture()) << name.toStdString();
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(PicturePreviewTest, UndecodablePictureEmptiesThePaneSilently)
{
    ASSERT_TRUE(WriteFile(Path("broken.jpg"), BrokenJpeg()));
    preview.SelectionChanged(Path("a.BMP"));
    preview.SelectionChanged(Path("broken.jpg"));
    EXPECT_FALSE(preview.ShowsPicture());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(PicturePreviewTest, ArchiveWithoutPicturesIsNoArchive)
{
    ASSERT_TRUE(WriteZip(Path("text.zip"), {{"a.txt", "plain text only"}}));
    preview.SelectionChanged(Path("X.ZIP"));
    preview.SelectionChanged(Path("text.zip"));
    EXPECT_FALSE(preview.IsArchive());
    EXPECT_FALSE(preview.ShowsPicture());
    EXPECT_EQ(preview.CounterText(), "");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(PicturePreviewTest, MemberThatDoesNotDecodeIsReportedAndStillCounted)
{
    ASSERT_TRUE(WriteZip(Path("mixed.zip"), {{"good.bmp", SolidBmp(Qt::blue)},
                                                 {"bad.jpg", BrokenJpeg()}}));
    preview.SelectionChanged(Path("mixed.zip"));
    preview.StepForward();
    EXPECT_EQ(messages, QStringList{"Cant Create Picture"});
    EXPECT_EQ(preview.CounterText(), "2 of 2");
    EXPECT_TRUE(preview.Preview().IsEmpty());
}

TEST_F(PicturePreviewTest, SymbolicLinkIsFollowedToItsTarget)
{
    ASSERT_TRUE(QFile::link(Path("X.ZIP"), Path("shortcut")));
    preview.SelectionChanged(Path("shortcut"));
    EXPECT_EQ(preview.CurrentPath(), QFileInfo(Path("X.ZIP")).canonicalFilePath());
    EXPECT_TRUE(preview.IsArchive());
    EXPECT_EQ(preview.CounterText(), "1 of 3");
}

TEST_F(PicturePreviewTest, FileBeyondThePictureLimitLeavesThePaneBlank)
{
    preview.SelectionChanged(Path("a.BMP"));
    const QString huge = Path("disk.jpg");
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.write(SolidBmp(Qt::red)) > 0 && file.resize(qint64(200) << 30));  // sparse
    file.close();
    preview.SelectionChanged(huge);
    EXPECT_FALSE(preview.ShowsPicture());
    EXPECT_TRUE(preview.Preview().IsEmpty());
}
