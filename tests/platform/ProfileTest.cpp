#include "Profile.h"
#include "ProfileFormat.h"
#include "ProfileSections.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

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

// A file as the game wrote it before its own format: every escape and quoting rule in use.
TEST(Profile, ReadsAndWritesFilesOfTheEarlierFormatByteForByte)
{
    const QByteArray earlier =
        "[Scores]\n"
        "Difficulty0=-11\n"
        "Name0=\" Ann \"\n"
        "Name1=@@home\n"
        "Name2=Zo\xC3\xAB\\t\xC3\x9F\\n1\\x1\\x61\n"
        "Name3=\n"
        "PlayerName=\xC3\x96laf \xF0\x9F\x98\x80\n"
        "\n"
        "[Settings]\n"
        "Dimension=7\n"
        "Folder=\"/home/ann/My Pictures, old; \\\"best\\\"=yes\\\\x\"\n";
    const struct {
        const char* section;
        const char* entry;
        QString value;
    } values[] = {
        {"Scores", "Difficulty0", "-11"},
        {"Scores", "Name0", " Ann "},
        {"Scores", "Name1", "@home"},
        {"Scores", "Name2", QString::fromUtf8("Zo\xC3\xAB\t\xC3\x9F\n1\x01" "a")},
        {"Scores", "Name3", ""},
        {"Scores", "PlayerName", QString::fromUtf8("\xC3\x96laf \xF0\x9F\x98\x80")},
        {"Settings", "Dimension", "7"},
        {"Settings", "Folder", "/home/ann/My Pictures, old; \"best\"=yes\\x"},
    };
    QTemporaryDir folder;
    WriteFile(folder.filePath("earlier.conf"), earlier);
    Profile read(folder.filePath("earlier.conf"));
    {
        Profile written(folder.filePath("written.conf"));
        for (const auto& v : values) {
            EXPECT_EQ(read.GetProfileString(v.section, v.entry, "absent"), v.value) << v.entry;
            written.WriteProfileString(v.section, v.entry, v.value);
        }
    }
    EXPECT_EQ(ReadFile(folder.filePath("written.conf")), earlier);
}

// A save rewrites only what changed: comments, foreign sections and names, line breaks all stay.
TEST(Profile, SavingKeepsEveryLineTheGameDoesNotOwn)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("Tilora.conf");
    WriteFile(path, "; kept by hand\r\n[Settings]\r\nDimension=4\r\nodd name=1\r\nGrid = 1 ; mine\r\nF=@Variant(x)\r\n\r\n"
                    "[Mine \xC3\xA9]\r\nx=1\r\n[Game]\r\nMoves=3\r\n");
    {
        Profile profile(path);
        profile.WriteProfileInt("Settings", "Dimension", 5);
        profile.WriteProfileInt("Settings", "Sound", 0);
        profile.WriteProfileInt("Scores", "Moves0", 9);
        profile.DeleteSection("Game");
    }
    EXPECT_EQ(ReadFile(path), "; kept by hand\r\n[Settings]\r\nDimension=5\r\nodd name=1\r\nGrid = 1 ; mine\r\nF=@@Variant(x)\r\n"
                              "Sound=0\r\n\r\n[Mine \xC3\xA9]\r\nx=1\r\n[Scores]\r\nMoves0=9\r\n");
}

// What the uninstaller does to the settings file: the game's sections go as lines, all else stays.
TEST(Profile, RemovingTheGameSectionsKeepsEveryOtherByte)
{
    const QList<QByteArray> ours(ProfileSections::All.begin(), ProfileSections::All.end());
    const QByteArray foreign = "\xEF\xBB\xBF; mine\r\n[My Own]\r\nw eird=\xC3\xA9\r\n\r\n";
    const QByteArray large = "[Mine]\n" + QByteArray(ProfileFormat::MaxFileBytes, 'x') + "\n[Settings]\nGrid=1\n";
    using R = ProfileFormat::Removal;
    const std::tuple<QByteArray, R, QByteArray> cases[] = {  // before, what happens, after ("" when gone)
        {foreign + "[Settings]\r\nGrid=1\r\n; about scores\r\n[Scores]\r\nName0=a\r\n[SliderScores]\r\nName0=b\r\n"
                   "[Game]\r\nMoves=2\r\n[Zzz]\r\nz=1",
         R::Rewritten, foreign + "[Zzz]\r\nz=1"},
        {"\n[Settings]\nGrid=1\n\n[Game]\nMoves=2\n\n", R::Deleted, ""},
        {foreign, R::Untouched, foreign},
        {large, R::Untouched, large},
    };
    QTemporaryDir folder;
    const QString path = folder.filePath("Tilora.conf");
    for (const auto& [before, removal, after] : cases) {
        WriteFile(path, before);
        EXPECT_EQ(ProfileFormat::RemoveSections(path, ours), removal) << before.left(40).toStdString();
        EXPECT_EQ(QFile::exists(path) ? ReadFile(path) : "", after) << before.left(40).toStdString();
    }
    // Not a file that can be read: left alone.
    QFile::remove(path);
    QDir().mkpath(path + "/inside");
    EXPECT_EQ(ProfileFormat::RemoveSections(path, ours), R::Untouched);
    EXPECT_TRUE(QDir(path + "/inside").exists());
}
