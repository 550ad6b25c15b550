#include "GameSettings.h"
#include "Profile.h"

#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

const QString Section = "Settings";
const QString ProgramFolder = "/opt/games/Tilora/";

class GameSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { profile.DeleteSection(Section); }

    // Settings as built at start-up: defaults, with the program's folder, then loaded.
    GameSettings Load()
    {
        GameSettings settings;
        settings.Folder = ProgramFolder;
        settings.LoadSettings(profile);
        return settings;
    }

    int Stored(const char* name) { return profile.GetProfileInt(Section, name, -12345); }

    Profile profile;
};

QString SettingsFileText()
{
    QFile file(QStandardPaths::writableLocation(QStandardPaths::ConfigLocation)
               + "/Tilora/Tilora.conf");
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

} // namespace

TEST_F(GameSettingsTest, FirstRunWritesAndUsesTheDefaults)
{
    const GameSettings settings = Load();
    EXPECT_EQ(settings.Dimension, 4);
    EXPECT_TRUE(settings.Grid);
    EXPECT_EQ(settings.GridColour, GridLineColour::Black);
    EXPECT_EQ(settings.SelColour, FrameColour::Yellow);
    EXPECT_TRUE(settings.Sound);
    EXPECT_EQ(settings.PuzzleMode, GameMode::TileSwap);
    EXPECT_EQ(settings.Folder, ProgramFolder);

    EXPECT_EQ(Stored("Dimension"), 4);
    EXPECT_EQ(Stored("Grid"), 1);
    EXPECT_EQ(Stored("GridColour"), 0);
    EXPECT_EQ(Stored("SelColour"), 1);
    EXPECT_EQ(Stored("Sound"), 1);
    EXPECT_EQ(Stored("PuzzleMode"), 0);
    EXPECT_EQ(Stored("StatusBar"), 1);
    EXPECT_EQ(profile.GetProfileString(Section, "Folder"), ProgramFolder);  // trailing separator kept
}

TEST_F(GameSettingsTest, StoredValuesAreReadAndMissingOnesTakeTheirDefaults)
{
    profile.WriteProfileInt(Section, "Dimension", 7);
    profile.WriteProfileInt(Section, "Grid", 0);
    profile.WriteProfileInt(Section, "GridColour", 2);
    profile.WriteProfileInt(Section, "PuzzleMode", 1);

    const GameSettings settings = Load();
    EXPECT_EQ(settings.Dimension, 7);
    EXPECT_FALSE(settings.Grid);
    EXPECT_EQ(settings.GridColour, GridLineColour::Red);
    EXPECT_EQ(settings.SelColour, FrameColour::Yellow);
    EXPECT_TRUE(settings.Sound);
    EXPECT_EQ(settings.PuzzleMode, GameMode::Slider);
    EXPECT_TRUE(settings.StatusBar);
    EXPECT_EQ(settings.Folder, "");  // no folder: empty, not the program's folder
    EXPECT_EQ(profile.GetProfileString(Section, "Folder", "absent"), "absent");  // not a first run
}

TEST_F(GameSettingsTest, OutOfRangeValuesFallBackAndSwitchesStayZeroOrOne)
{
    for (int dimension : {0, 2, 11, -4}) {
        profile.WriteProfileInt(Section, "Dimension", dimension);
        EXPECT_EQ(Load().Dimension, 4) << dimension;
    }
    for (int dimension : {3, 10}) {
        profile.WriteProfileInt(Section, "Dimension", dimension);
        EXPECT_EQ(Load().Dimension, dimension);
    }

    profile.WriteProfileInt(Section, "GridColour", 3);
    profile.WriteProfileInt(Section, "SelColour", -1);
    profile.WriteProfileInt(Section, "PuzzleMode", 2);
    profile.WriteProfileInt(Section, "Grid", 5);
    profile.WriteProfileInt(Section, "Sound", -1);
    GameSettings settings = Load();
    EXPECT_EQ(settings.GridColour, GridLineColour::Black);
    EXPECT_EQ(settings.SelColour, FrameColour::Yellow);
    EXPECT_EQ(settings.PuzzleMode, GameMode::TileSwap);
    EXPECT_TRUE(settings.Grid);
    EXPECT_TRUE(settings.Sound);

    // A switch stored as any non-zero number goes back as 1.
    settings.SaveSettings(profile);
    EXPECT_EQ(Stored("Grid"), 1);
    EXPECT_EQ(Stored("Sound"), 1);
    EXPECT_EQ(Stored("GridColour"), 0);
}

TEST_F(GameSettingsTest, SavedSettingsReachTheFileAndComeBack)
{
    {
        Profile writer;
        GameSettings settings;
        settings.Dimension = 9;
        settings.Grid = false;
        settings.GridColour = GridLineColour::White;
        settings.SelColour = FrameColour::Red;
        settings.Sound = false;
        settings.PuzzleMode = GameMode::Slider;
        settings.Folder = "/home/ann/Pictures";
        settings.StatusBar = false;
        settings.SaveSettings(writer);
    }
    const QString text = SettingsFileText();
    EXPECT_TRUE(text.contains("[Settings]")) << text.toStdString();
    EXPECT_TRUE(text.contains("Dimension=9")) << text.toStdString();
    EXPECT_TRUE(text.contains("Folder=/home/ann/Pictures")) << text.toStdString();

    Profile reader;
    GameSettings loaded;
    loaded.Folder = ProgramFolder;
    loaded.LoadSettings(reader);
    EXPECT_EQ(loaded.Dimension, 9);
    EXPECT_FALSE(loaded.Grid);
    EXPECT_EQ(loaded.GridColour, GridLineColour::White);
    EXPECT_EQ(loaded.SelColour, FrameColour::Red);
    EXPECT_FALSE(loaded.Sound);
    EXPECT_EQ(loaded.PuzzleMode, GameMode::Slider);
    EXPECT_EQ(loaded.Folder, "/home/ann/Pictures");
    EXPECT_FALSE(loaded.StatusBar);
}
