#include "FolderSnapshot.h"
#include "InstalledGame.h"
#include "UninstallPhases.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace UninstallPhases;

TEST(UninstallPhases, RemovesOnlyForItsInstalledSelfWhenConfirmedAndNoGameRuns)
{
    const QString copy = TemporaryFolder() + '/' + CopyName;
    QDir::setCurrent(QDir::homePath());  // where the relative path below would name the real one
    // Upper case and a colon, which a lower-cased path cut at its last colon would lose.
    const QString folder = QDir::home().filePath("C: Games/Tilora"), other = QDir::home().filePath("other");
    const struct {
        QString argument;
        bool uninstall, gameRuns;
        Outcome outcome;
    } cases[] = {
        {"C: Games/Tilora/Uninstaller", true, false, Outcome::Refused},
        {other + "/Uninstaller", true, false, Outcome::Refused},  // another program
        {other + "/link/Uninstaller", true, false, Outcome::Refused},
        {other + "/dir/Uninstaller", true, false, Outcome::Refused},
        {folder + "/Uninstaller", false, false, Outcome::Cancelled},
        {folder + "/Uninstaller", true, true, Outcome::StillRunning},
        {folder + "/Uninstaller", true, false, Outcome::Removed},
    };
    for (const auto& c : cases) {
        InstallGameFiles(other, "ANOTHER PROGRAM");
        InstallGameFiles(folder);
        QDir().mkpath(other + "/dir/Uninstaller");
        QDir().mkpath(other + "/link");
        QFile::link(folder + "/Uninstaller", other + "/link/Uninstaller");
        QProcess game;
        if (c.gameRuns) {
            QFile::remove(folder + "/Tilora");
            QFile::copy("/bin/sleep", folder + "/Tilora");
            game.start(folder + "/Tilora", {"30"});
            ASSERT_TRUE(game.waitForStarted());
            QFile::remove(folder + "/Tilora");  // still running from the file it started from
        }
        const FolderSnapshot before = SnapshotOf(QDir::homePath(), {"tmp"});
        QFile::copy(folder + "/Uninstaller", copy);
        int asked = 0;
        QStringList told;
        const Questions questions = {[&] { return ++asked, c.uninstall; }, [&](const QString& text) { told << text; }};

        EXPECT_EQ(RemoveInstallation(c.argument, copy, questions), c.outcome) << c.argument.toStdString();
        EXPECT_EQ(asked, c.outcome != Outcome::Refused);
        EXPECT_EQ(told, c.gameRuns ? QStringList{StillRunningText} : QStringList{});
        EXPECT_EQ(QFile::exists(folder), c.outcome != Outcome::Removed);
        if (c.outcome != Outcome::Removed) {
            EXPECT_EQ(SnapshotOf(QDir::homePath(), {"tmp"}), before) << c.argument.toStdString();
        }
        EXPECT_FALSE(QFile::exists(copy));
        game.kill();
        game.waitForFinished();
        ClearHome();
    }
}

TEST(UninstallPhases, RelocatesToAPrivateCopyWithoutFollowingAPlantedLink)
{
    QTemporaryDir dir;
    const QString own = dir.filePath("Uninstaller"), victim = dir.filePath("victim");
    const QString copy = TemporaryFolder() + '/' + CopyName;
    WriteFileSafely(own, "PROGRAM", FileKind::Program);
    WriteFileSafely(victim, "keep", FileKind::Data);
    ASSERT_TRUE(QFile::link(victim, copy));

    QStringList started;
    EXPECT_TRUE(Relocate(own, [&](const QString& program, const QStringList& arguments) {
        return started << program << arguments, true;
    }));
    EXPECT_EQ(started, QStringList({copy, own}));
    EXPECT_EQ(SnapshotOf(dir.path())["victim"], "keep");
    struct stat info {};
    ASSERT_EQ(::lstat(QFile::encodeName(copy).constData(), &info), 0);
    EXPECT_EQ(info.st_mode, S_IFREG | 0700u);
    EXPECT_EQ(SnapshotOf(TemporaryFolder())[CopyName], "PROGRAM");

    // A copy that cannot be started is taken away again, and the caller does the work itself.
    EXPECT_FALSE(Relocate(own, [](const QString&, const QStringList&) { return false; }));
    EXPECT_FALSE(QFile::exists(copy));
}

TEST(UninstallPhases, TemporaryFolderFallsBackToTmp)
{
    const QByteArray saved = qgetenv("TMPDIR");
    for (const auto& [tmpdir, expected] : {std::pair<QString, QString>{"", "/tmp"}, {saved + "/missing", "/tmp"},
                                           {saved, saved}}) {
        qputenv("TMPDIR", tmpdir.toUtf8());
        EXPECT_EQ(TemporaryFolder(), expected);
    }
    qputenv("TMPDIR", saved);
}
