#include "Profile.h"
#include "ScoreTable.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

class ScoreStorageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        profile.DeleteSection("Scores");
        profile.DeleteSection("SliderScores");
    }

    // Removes one stored value, as a hand-edited or damaged profile would lack it.
    static void RemoveValue(const QString& key)
    {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Tilora", "Tilora");
        settings.remove(key);
        settings.sync();
    }

    int Stored(const char* section, const char* entry)
    {
        return profile.GetProfileInt(section, entry, 999);
    }

    Profile profile;
};

QString ProfileFileText()
{
    QFile file(QStandardPaths::writableLocation(QStandardPaths::ConfigLocation)
               + "/Tilora/Tilora.conf");
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

TEST_F(ScoreStorageTest, FirstLoadWritesBothDefaultTablesComplementedToTheDisk)
{
    ScorePair pair(profile);
    pair.LoadScores();
    for (int i = 0; i < ScoreTable::Places; ++i) {
        EXPECT_EQ(pair.TileSwap()[i], ScoreTable::DefaultTileSwap()[i]);
        EXPECT_EQ(pair.Slider()[i], ScoreTable::DefaultSlider()[i]);
    }
    EXPECT_EQ(Stored("Scores", "Difficulty0"), -11);
    EXPECT_EQ(Stored("Scores", "Time0"), ~1111);
    EXPECT_EQ(Stored("SliderScores", "Moves9"), ~62);
    EXPECT_EQ(profile.GetProfileString("Scores", "Name0"), "TaLoNdRiX");

    // Flushed at once, so the values are in the file already, not only in memory.
    const QString text = ProfileFileText();
    EXPECT_TRUE(text.contains("Difficulty0=-11")) << text.toStdString();
    EXPECT_TRUE(text.contains("[SliderScores]")) << text.toStdString();
}

TEST_F(ScoreStorageTest, SavedResultsComeBackInANewPair)
{
    {
        ScorePair pair(profile);
        pair.LoadScores();
        pair.InsertScore(0, "Ann, \"the\" best", 4, 15, 19);
        pair.InsertScore(1, "Bo", 10, 1000, 900);
        pair.SaveScores();
    }
    Profile other;
    ScorePair reread(other);
    reread.LoadScores();
    EXPECT_EQ(reread.TileSwap()[7], (ScoreEntry{"Ann, \"the\" best", 4, 19, 15}));
    EXPECT_EQ(reread.Slider()[0], (ScoreEntry{"Bo", 10, 900, 1000}));
    EXPECT_EQ(reread.Slider()[1].Time, 1754);
}

TEST_F(ScoreStorageTest, AMissingDifficultyInEitherTableRestoresBoth)
{
    for (const char* missing : {"Scores/Difficulty4", "SliderScores/Difficulty9"}) {
        {
            ScorePair pair(profile);
            pair.LoadScores();
            pair.InsertScore(0, "Ann", 10, 1, 1);
            pair.InsertScore(1, "Bo", 10, 1, 1);
            pair.SaveScores();
        }
        RemoveValue(missing);

        ScorePair pair(profile);
        pair.LoadScores();
        EXPECT_EQ(pair.TileSwap()[0].Name, "TaLoNdRiX") << missing;
        EXPECT_EQ(pair.Slider()[0].Name, "Quibb") << missing;
        // ... and the defaults are stored again.
        EXPECT_EQ(profile.GetProfileString("Scores", "Name0"), "TaLoNdRiX") << missing;
        EXPECT_EQ(profile.GetProfileString("SliderScores", "Name0"), "Quibb") << missing;
        EXPECT_EQ(Stored("Scores", "Difficulty4"), ~6) << missing;
        EXPECT_EQ(Stored("SliderScores", "Difficulty9"), ~3) << missing;
    }
}

TEST_F(ScoreStorageTest, MissingMovesOrTimeOrNameAloneReadAsTheirFallbacks)
{
    {
        ScorePair pair(profile);
        pair.LoadScores();
    }
    RemoveValue("Scores/Moves3");
    RemoveValue("SliderScores/Time2");
    RemoveValue("SliderScores/Name5");

    ScorePair pair(profile);
    pair.LoadScores();
    EXPECT_EQ(pair.TileSwap()[3].Moves, -1000);
    EXPECT_EQ(pair.TileSwap()[3].Time, 251);
    EXPECT_EQ(pair.Slider()[2].Time, -1000);
    EXPECT_EQ(pair.Slider()[5].Name, "");
    EXPECT_EQ(pair.Slider()[5].Difficulty, 5);
}

TEST_F(ScoreStorageTest, ResetPutsBackAndStoresBothDefaultTables)
{
    ScorePair pair(profile);
    pair.LoadScores();
    pair.InsertScore(0, "Ann", 10, 1, 1);
    pair.InsertScore(1, "Bo", 10, 1, 1);
    pair.SaveScores();

    pair.ResetScores();
    EXPECT_EQ(pair.TileSwap()[0].Name, "TaLoNdRiX");
    EXPECT_EQ(pair.Slider()[0].Name, "Quibb");
    Profile other;
    ScorePair reread(other);
    reread.LoadScores();
    EXPECT_EQ(reread.TileSwap()[9], ScoreTable::DefaultTileSwap()[9]);
    EXPECT_EQ(reread.Slider()[0], ScoreTable::DefaultSlider()[0]);
}
