// Choosing and loading a new puzzle's picture.
#include "Picture.h"
#include "PictureSource.h"
#include "PuzzlePicture.h"
#include "RandomSource.h"
#include "TestArchives.h"
#include "TestPictures.h"
#include "ZipPictureArchive.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Bmp(int width, int height)
{
    return TestPictures::Encode(TestPictures::FourColour(width, height), "BMP");
}

int PixelWidth(const Picture& picture)
{
    return Picture::HimetricToPixels(picture.GetWidth());
}

class PuzzlePictureTest : public ::testing::Test {
protected:
    QString Add(const QString& name, const QByteArray& bytes)
    {
        const QString path = folder_.filePath(name);
        EXPECT_TRUE(TestPictures::WriteFile(path, bytes));
        return path;
    }
    // An archive of pictures 101, 102, ... pixels wide, so each member is known by its width.
    QString AddArchive(const QString& name, int pictures)
    {
        std::vector<TestArchives::Member> members;
        for (int i = 1; i <= pictures; ++i)
            members.push_back({QString("p%1.bmp").arg(i).toLatin1(), Bmp(100 + i, 80)});
        const QString path = folder_.filePath(name);
        EXPECT_TRUE(TestArchives::WriteZip(path, members));
        return path;
    }
    bool Load(bool random) { return puzzle_.Load(random, folder_.path()); }

    QTemporaryDir folder_;
    CLibraryRandom random_;
    PuzzlePicture puzzle_{random_};
    const PictureSource& source_ = puzzle_.Source();
    const Picture& picture_ = puzzle_.Current();
};

TEST_F(PuzzlePictureTest, EmptyFolderOrOnlyBrokenFilesAskForTheBuiltInPicture)
{
    EXPECT_FALSE(Load(true));
    Add("broken.jpg", "not a picture at all");
    Add("empty.bmp", "");
    EXPECT_FALSE(Load(true));
    EXPECT_TRUE(source_.IsBuiltIn());
    EXPECT_EQ(PixelWidth(picture_), 350) << "the built-in picture";
    EXPECT_FALSE(puzzle_.FromArchive());
}

TEST_F(PuzzlePictureTest, FolderOfOnlyThePictureOnShowGivesItAgain)
{
    const QString only = Add("only.bmp", Bmp(120, 90));
    ASSERT_TRUE(Load(true));
    EXPECT_EQ(QDir::cleanPath(source_.Path), QDir::cleanPath(only));
    ASSERT_TRUE(Load(true));
    EXPECT_EQ(QDir::cleanPath(source_.Path), QDir::cleanPath(only));
    EXPECT_FALSE(source_.IsBuiltIn());
    EXPECT_EQ(PixelWidth(picture_), 120);
}

TEST_F(PuzzlePictureTest, RandomChoiceFromAnArchivePicksOneOfItsPictures)
{
    const QString zip = AddArchive("holiday.zip", 3);
    ASSERT_TRUE(Load(true));
    EXPECT_EQ(QDir::cleanPath(source_.Path), QDir::cleanPath(zip));
    EXPECT_EQ(source_.ZipCount, 3);
    ASSERT_GE(source_.ZipIndex, 1);
    ASSERT_LE(source_.ZipIndex, 3);
    EXPECT_EQ(PixelWidth(picture_), 100 + source_.ZipIndex);
    EXPECT_TRUE(puzzle_.FromArchive());
}

TEST_F(PuzzlePictureTest, ReloadReadsTheNumberedMemberAndClampsStaleNumbers)
{
    const QString set = AddArchive("set.zip", 3);
    for (const auto& [asked, read] : {std::pair{2, 2}, {3, 3}, {0, 1}, {9, 3}}) {
        puzzle_.Choose(set, asked, 3);
        ASSERT_TRUE(Load(false)) << asked;
        EXPECT_EQ(source_.ZipIndex, read);
        EXPECT_EQ(PixelWidth(picture_), 100 + read);
    }
    puzzle_.Choose(AddArchive("none.zip", 0), 1, 0);
    EXPECT_FALSE(Load(false));
    EXPECT_TRUE(source_.IsBuiltIn());
}

TEST(ZipIndexChoice, AlwaysAnotherPictureAndNeverSpinsWithoutOne)
{
    CLibraryRandom random;
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(ChooseAnotherZipIndex(1, 2, random), 2);
        EXPECT_EQ(ChooseAnotherZipIndex(2, 2, random), 1);
        const int index = ChooseAnotherZipIndex(3, 5, random);
        EXPECT_NE(index, 3);
        EXPECT_GE(index, 1);
        EXPECT_LE(index, 5);
    }
    EXPECT_EQ(ChooseAnotherZipIndex(1, 1, random), 1);
    EXPECT_EQ(ChooseAnotherZipIndex(1, 0, random), 1);
    EXPECT_EQ(ChooseAnotherZipIndex(1, -1, random), 1);
}

} // namespace
