// The game over a settings file that something else has damaged: it starts, plays and saves.
#include "BoardView.h"
#include "MainFrame.h"
#include "Profile.h"
#include "ScoreTable.h"
#include "SoundPlayer.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <random>

namespace {

class Silence : public SoundPlayer {
public:
    void Play(const QString&) override {}
};

QByteArray Junk(int size)
{
    std::mt19937 random(14);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(random());
    return bytes;
}

QByteArray ManySections(int count)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += "[S" + QByteArray::number(i) + "]\nValue=" + QByteArray::number(i) + "\n";
    return text;
}

struct Damage {
    const char* name;
    QByteArray text;
    int dimension;  // the puzzle size the game must start with
};

class DamagedProfileTest : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedProfileTest, GameStartsPlaysAndSaves)
{
    const QString file = QStandardPaths::writableLocation(QStandardPaths::ConfigLocation)
                         + "/Tilora/Tilora.conf";
    QDir().mkpath(QFileInfo(file).path());
    {
        QFile damaged(file);
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write(GetParam().text);
    }
    QTemporaryDir programFolder;
    Profile profile;
    {
        MainFrameOptions options;
        options.ProgramFolder = programFolder.path() + "/";
        options.SharedProfile = &profile;
        options.Sounds = std::make_unique<Silence>();
        MainFrame frame(std::move(options));
        ASSERT_TRUE(frame.isVisible());
        ASSERT_EQ(frame.Settings().Dimension, GetParam().dimension);
        // The board answers the player: two tiles pressed, and the board shown changes.
        const QImage before = frame.View()->grab().toImage();
        const int tile = frame.View()->width() / frame.Settings().Dimension;
        QTest::mouseClick(frame.View(), Qt::LeftButton, {}, QPoint(tile / 2, tile / 2));
        QTest::mouseClick(frame.View(), Qt::LeftButton, {}, QPoint(tile + tile / 2, tile / 2));
        EXPECT_NE(frame.View()->grab().toImage(), before);

        ScorePair scores(profile);
        scores.LoadScores();
        scores.InsertScore(0, "Ann", 10, 1, 1);
        scores.SaveScores();
        frame.Settings().Grid = false;
        frame.close();
    }
    Profile reread;
    EXPECT_EQ(reread.GetProfileInt("Settings", "Dimension", 0), GetParam().dimension);
    EXPECT_EQ(reread.GetProfileInt("Settings", "Grid", 1), 0);
    ScorePair scores(reread);
    scores.LoadScores();
    EXPECT_EQ(scores.TileSwap()[0].Name, "Ann");
}

INSTANTIATE_TEST_SUITE_P(
    Profile, DamagedProfileTest,
    ::testing::Values(
        Damage{"Objects",
               "[Settings]\nDimension=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n"
               "[Scores]\nDifficulty0=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\xeQByteArrayList\\0\\x7f\\xff\\xff\\xff)\n",
               4},
        Damage{"BinaryJunk", Junk(64 * 1024) + "\n[Settings]\nDimension=5\n", 5},
        Damage{"LongLines",
               "[Settings]\nFolder=" + QByteArray(1 << 20, 'x') + "\n" + QByteArray(1 << 20, '[')
                   + "\n[Settings]\nDimension=6\n",
               6},
        Damage{"ManySections", ManySections(100000) + "[Settings]\nDimension=7\n", 7},
        Damage{"TooLarge", "[Settings]\nDimension=8\n" + QByteArray(17 << 20, ' '), 4}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
