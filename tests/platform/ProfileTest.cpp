#include "Profile.h"

#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>

TEST(Profile, MissingOrMalformedValuesGiveTheDefault)
{
    Profile profile;
    EXPECT_EQ(profile.GetProfileInt("Settings", "Absent", 999), 999);
    EXPECT_EQ(profile.GetProfileString("Settings", "Absent", "none"), "none");

    profile.WriteProfileString("Settings", "Dimension", "four");
    EXPECT_EQ(profile.GetProfileInt("Settings", "Dimension", 7), 7);
}

TEST(Profile, ValuesRoundTripThroughTheFileOnDisk)
{
    {
        Profile profile;
        EXPECT_TRUE(profile.WriteProfileInt("Scores", "Difficulty0", ~10));
        EXPECT_TRUE(profile.WriteProfileString("Scores", "Name0", "Ann, \"the\" = best"));
        EXPECT_TRUE(profile.Flush());
    }
    const QString file = QStandardPaths::writableLocation(QStandardPaths::ConfigLocation)
                         + "/Tilora/Tilora.conf";
    EXPECT_TRUE(QFile::exists(file)) << file.toStdString();

    Profile reread;
    EXPECT_EQ(reread.GetProfileInt("Scores", "Difficulty0", 999), -11);
    EXPECT_EQ(reread.GetProfileString("Scores", "Name0"), "Ann, \"the\" = best");
}

TEST(Profile, DeleteSectionRemovesOnlyThatSection)
{
    Profile profile;
    profile.WriteProfileInt("Settings", "Grid", 1);
    profile.WriteProfileInt("Scores", "Moves0", 5);
    profile.DeleteSection("Scores");
    EXPECT_EQ(profile.GetProfileInt("Scores", "Moves0", 999), 999);
    EXPECT_EQ(profile.GetProfileInt("Settings", "Grid", 999), 1);
}
