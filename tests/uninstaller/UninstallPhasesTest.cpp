#include "FolderSnapshot.h"
#include "InstalledGame.h"
#include "UninstallPhases.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace UninstallPhases;

namespace {

const QByteArray Program = "UNINSTALLER";

// Phase B as the copy in the temporary folder runs it; the copy is made anew for every run.
QString TemporaryCopy()
{
    const QString copy = TemporaryFolder() + '/' + CopyName;
    WriteFileSafely(copy, Program, FileKind::Program);
    return copy;
}

struct Asked {
    int confirmations = 0;
    QStringList told;
};

Questions Answering(bool uninstall, Asked& asked)
{
    return {[&asked, uninstall] { ++asked.confirmations; return uninstall; },
            [&asked](const QString& text) { asked.told << text; }};
}

} // namespace

TEST(UninstallPhases, ActsOnlyForTheInstalledCopyOfItself)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("Tilora");
    InstallGameFiles(folder);
    InstallGameFiles(dir.filePath("other"), "ANOTHER PROGRAM");
    QDir().mkpath(dir.filePath("dir/Uninstaller"));
    QDir().mkpath(dir.filePath("link"));
    QFile::link(folder + "/Uninstaller", dir.filePath("link/Uninstaller"));
    const FolderSnapshot before = SnapshotOf(dir.path());

    for (const QString& argument : {QString("Tilora/Uninstaller"), folder + "/../Tilora/uninstaller",
                                   dir.filePath("other/Uninstaller"), dir.filePath("dir/Uninstaller"),
                                   dir.filePath("link/Uninstaller"), dir.filePath("gone/Uninstaller")}) {
        Asked asked;
        EXPECT_EQ(RemoveInstallation(argument, TemporaryCopy(), Answering(true, asked)), Outcome::Refused)
            << argument.toStdString();
        EXPECT_EQ(asked.confirmations, 0);
    }
    EXPECT_EQ(SnapshotOf(dir.path()), before);
    EXPECT_FALSE(QFile::exists(TemporaryFolder() + '/' + CopyName));
}

TEST(UninstallPhases, RemovesOnlyWhenConfirmedAndNoGameRunsFromTheFolder)
{
    QTemporaryDir dir;
    // Upper case and a colon, which a lower-cased path cut at its last colon would lose.
    const QString folder = dir.filePath("C: Games/Tilora");
    for (const bool gameRunning : {false, true}) {
        for (const bool uninstall : {false, true}) {
            InstallGameFiles(folder, Program);
            QProcess game;
            if (gameRunning) {
                QFile::remove(folder + "/Tilora");
                QFile::copy("/bin/sleep", folder + "/Tilora");
                game.start(folder + "/Tilora", {"30"});
                ASSERT_TRUE(game.waitForStarted());
            }
            const FolderSnapshot before = SnapshotOf(QDir::homePath(), {"tmp"});
            Asked asked;
            const Outcome outcome = RemoveInstallation(folder + "/Uninstaller", TemporaryCopy(), Answering(uninstall, asked));

            const bool removes = uninstall && !gameRunning;
            EXPECT_EQ(outcome, !uninstall ? Outcome::Cancelled : gameRunning ? Outcome::StillRunning : Outcome::Removed);
            EXPECT_EQ(asked.told, uninstall && gameRunning ? QStringList{StillRunningText} : QStringList{});
            EXPECT_EQ(QFile::exists(folder), !removes);
            if (!removes) {
                EXPECT_EQ(SnapshotOf(QDir::homePath(), {"tmp"}), before);
            }
            EXPECT_FALSE(QFile::exists(TemporaryFolder() + '/' + CopyName));
            game.kill();
            game.waitForFinished();
            QDir(folder).removeRecursively();
            ClearHome();
        }
    }
}

TEST(UninstallPhases, RelocatesToAPrivateCopyWithoutFollowingAPlantedLink)
{
    QTemporaryDir dir;
    const QString own = dir.filePath("Uninstaller");
    const QString victim = dir.filePath("victim");
    WriteFileSafely(own, Program, FileKind::Program);
    WriteFileSafely(victim, "keep", FileKind::Data);
    const QString copy = TemporaryFolder() + '/' + CopyName;
    ASSERT_TRUE(QFile::link(victim, copy));

    QStringList started;
    EXPECT_TRUE(Relocate(own, [&](const QString& program, const QStringList& arguments) {
        started << program << arguments;
        return true;
    }));
    EXPECT_EQ(started, QStringList({copy, own}));
    EXPECT_EQ(SnapshotOf(dir.path())["victim"], "keep");
    struct stat info {};
    ASSERT_EQ(::lstat(QFile::encodeName(copy).constData(), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
    EXPECT_EQ(info.st_mode & 07777, 0700u);
    EXPECT_EQ(SnapshotOf(TemporaryFolder())[CopyName], Program);

    // A copy that cannot be started is taken away again, and the caller does the work itself.
    EXPECT_FALSE(Relocate(own, [](const QString&, const QStringList&) { return false; }));
    EXPECT_FALSE(QFile::exists(copy));
}

TEST(UninstallPhases, TemporaryFolderFallsBackToTmp)
{
    const QByteArray saved = qgetenv("TMPDIR");
    QTemporaryDir dir;
    for (const auto& [tmpdir, expected] : {std::pair<QString, QString>{"", "/tmp"}, {dir.filePath("missing"), "/tmp"},
                                           {dir.path(), dir.path()}}) {
        qputenv("TMPDIR", tmpdir.toUtf8());
        EXPECT_EQ(TemporaryFolder(), expected);
    }
    qputenv("TMPDIR", saved);
}
