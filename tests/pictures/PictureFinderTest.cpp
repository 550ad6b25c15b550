#include "PictureFinder.h"
#include "TestArchives.h"
#include "TestPictures.h"

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

using TestArchives::WriteZip;
using TestPictures::Encode;
using TestPictures::FourColour;
using TestPictures::WriteFile;

namespace {

QStringList Names(const PictureFinder& finder)
{
    QStringList names;
    for (const PictureFileEntry& entry : finder.Files())
        names << QFileInfo(entry.Path).fileName();
    return names;
}

QStringList Sorted(QStringList names)
{
    names.sort();
    return names;
}

// A seed after which rand() % count is the wanted draw.
unsigned SeedDrawing(int wanted, int count)
{
    for (unsigned seed = 1;; ++seed) {
        std::srand(seed);
        if (std::rand() % count == wanted)
            return seed;
    }
}

class PictureFinderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QByteArray bmp = Encode(FourColour(8, 8), "BMP");
        for (const char* name : {"a.bmp", "B.BMP", "c.gif", "d.jpg", "e.jpeg", "f.JPEG", "g.txt", ".hidden.bmp"})
            ASSERT_TRUE(WriteFile(Folder(name), bmp));
        for (const char* name : {"folder.bmp", "folder.zip"})
            ASSERT_TRUE(QDir().mkpath(Folder(name)));
        ASSERT_TRUE(WriteZip(Folder("pics.zip"), {{"inside/lake.jpg", Encode(FourColour(8, 8), "JPEG")}}));
        ASSERT_TRUE(WriteZip(Folder("PICS2.ZIP"), {{"lake.gif", Encode(FourColour(8, 8), "GIF")}}));
        ASSERT_TRUE(WriteZip(Folder("text-only.zip"), {{"notes.txt", "words"}}));
        ASSERT_TRUE(WriteFile(Folder("damaged.zip"), "PK\x03\x04 and then nothing useful"));
    }

    QString Folder(const QString& name = QString()) const
    {
        return name.isEmpty() ? dir_.path() : dir_.filePath(name);
    }

    QTemporaryDir dir_;
};

} // namespace

TEST(PictureFinderNormaliseTest, TrailingSeparatorsGoOnlyAtTheEnd)
{
    EXPECT_EQ(PictureFinder::NormalisePath("/home/pics"), "/home/pics");
    EXPECT_EQ(PictureFinder::NormalisePath("/home/pics/"), "/home/pics");
    EXPECT_EQ(PictureFinder::NormalisePath("/home/pics///  "), "/home/pics");
    EXPECT_EQ(PictureFinder::NormalisePath("/home/pics  "), "/home/pics  ") << "spaces without a separator stay";
    EXPECT_EQ(PictureFinder::NormalisePath("C:\\"), "C:");
    EXPECT_EQ(PictureFinder::NormalisePath("C:\\Pictures\\\\"), "C:\\Pictures");
    EXPECT_EQ(PictureFinder::NormalisePath("C:\\Pictures/"), "C:\\Pictures/") << "a backslash elsewhere wins";
    EXPECT_EQ(PictureFinder::NormalisePath("/"), "/");
    EXPECT_EQ(PictureFinder::NormalisePath("///"), "/");
    EXPECT_EQ(PictureFinder::NormalisePath(""), "");
    EXPECT_EQ(PictureFinder::NormalisePath("   "), "   ");
}

TEST_F(PictureFinderTest, ListsEachPatternIgnoringCaseWithArchivesThatHoldPictures)
{
    PictureFinder finder;
    finder.SetRoot(Folder() + "/ ");
    EXPECT_EQ(finder.Root(), Folder());
    finder.ClearFiles();
    const std::vector<std::pair<QString, QStringList>> groups = {
        {"*.bmp", {".hidden.bmp", "B.BMP", "a.bmp"}},
        {"*.gif", {"c.gif"}},
        {"*.jpg", {"d.jpg"}},
        {"*.jpeg", {"e.jpeg", "f.JPEG"}},
        {"*.zip", {"PICS2.ZIP", "pics.zip"}},
    };
    qsizetype start = 0;
    for (const auto& [pattern, expected] : groups) {
        SCOPED_TRACE(pattern.toStdString());
        EXPECT_TRUE(finder.AddFiles(pattern));
        const QStringList all = Names(finder);
        EXPECT_EQ(Sorted(all.mid(start)), expected);
        start = all.size();
    }
    for (const PictureFileEntry& entry : finder.Files())
        EXPECT_EQ(entry.Path, Folder() + "/" + QFileInfo(entry.Path).fileName());

    finder.ClearFiles();
    EXPECT_TRUE(finder.Files().empty());
}

TEST_F(PictureFinderTest, FoldersThatCannotBeListedGiveNothingAndSaySo)
{
    for (const QString& root : {QString(), QString("  "), Folder("missing"), Folder("a.bmp")}) {
        SCOPED_TRACE(root.toStdString());
        PictureFinder finder;
        finder.SetRoot(root);
        finder.ClearFiles();
        for (const char* pattern : {"*.bmp", "*.gif", "*.jpg", "*.jpeg", "*.zip"})
            EXPECT_FALSE(finder.AddFiles(pattern));
        EXPECT_TRUE(finder.Files().empty());
        EXPECT_FALSE(finder.PickRandom(QString()).has_value());
    }
}

TEST(PictureFinderRootTest, TheRootFolderGetsOneSeparator)
{
    QStringList expected;
    for (const QString& name : QDir("/").entryList(QDir::Files | QDir::Hidden, QDir::Name))
        expected << "/" + name;
    if (expected.isEmpty())
        GTEST_SKIP() << "the root folder holds no file to list";
    PictureFinder finder;
    finder.SetRoot("/");
    finder.AddFiles("*");
    QStringList listed;
    for (const PictureFileEntry& entry : finder.Files())
        listed << entry.Path;
    EXPECT_EQ(listed, expected);
}

TEST_F(PictureFinderTest, PickAvoidsThePictureOnShow)
{
    PictureFinder finder;
    finder.SetRoot(Folder());
    finder.AddFiles("*.gif");
    ASSERT_EQ(finder.Files().size(), 1u);
    const QString only = finder.Files()[0].Path;
    EXPECT_FALSE(finder.PickRandom(only).has_value()) << "the only picture is already on show";
    EXPECT_EQ(finder.PickRandom(Folder("elsewhere.bmp")), only);

    for (int files : {2, 3}) {
        PictureFinder several;
        several.SetRoot(Folder());
        several.AddFiles(files == 2 ? "*.jpeg" : "*.bmp");
        ASSERT_EQ(int(several.Files().size()), files);
        for (int k = 0; k < files; ++k) {
            SCOPED_TRACE(testing::Message() << files << " files, draw " << k);
            const QString current = several.Files()[k].Path;
            const int neighbour = k > 0 ? k - 1 : k + 1;
            std::srand(SeedDrawing(k, files));
            EXPECT_EQ(several.PickRandom(current), several.Files()[neighbour].Path);
            std::srand(SeedDrawing(k, files));
            EXPECT_EQ(several.PickRandom(Folder("other.bmp")), several.Files()[k].Path);
        }
    }
}
