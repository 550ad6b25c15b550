#include "FolderSnapshot.h"
#include "InstalledGame.h"
#include "UninstallPhases.h"

#include <QProcess>
#include <functional>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace UninstallPhases;

// What exists before and what is left after, for phase B started with each argument and answer.
TEST(UninstallPhases, RemovesOnlyWhatIsOursAndOnlyForItsInstalledSelf)
{
    const QString copy = TemporaryFolder() + '/' + CopyName;
    QDir::setCurrent(QDir::homePath());  // where the relative path below names the real one
    // Upper case, a colon, and every character the entries' Exec quoting must carry back.
    const QString parent = "C: Games 'n \"more\" $x `y` \\z", installed = parent + "/Tilora";
    const QString folder = QDir::home().filePath(installed), other = QDir::home().filePath("Other");
    const auto foreignArguments = [&] {
        InstallGameFiles(other, "ANOTHER PROGRAM");
        QDir().mkpath(other + "/dir/Uninstaller");
        QDir().mkpath(other + "/link");
        QFile::link(folder + "/Uninstaller", other + "/link/Uninstaller");
    };
    const auto mine = [](const QString& path) { WriteFileSafely(QDir::home().filePath(path), "mine", FileKind::Data); };
    const QString menu = "data/applications/Tilora";
    const struct {
        QString argument;
        Outcome outcome;
        std::function<void()> alsoThere;
        QStringList alsoLeft = {};  // when removed, besides the folders that were there before
    } cases[] = {
        {installed + "/Uninstaller", Outcome::Refused, foreignArguments},
        {other + "/Uninstaller", Outcome::Refused, foreignArguments},  // another program
        {other + "/link/Uninstaller", Outcome::Refused, foreignArguments},
        {other + "/dir/Uninstaller", Outcome::Refused, foreignArguments},
        {folder + "/Uninstaller", Outcome::Cancelled, [] {}},
        {folder + "/Uninstaller", Outcome::StillRunning, [] {}},
        {folder + "/Uninstaller", Outcome::Removed, [] {}},
        {folder + "/Uninstaller", Outcome::Removed, [&] { mine(installed + "/notes"); }, {installed, installed + "/notes"}},
        {folder + "/Uninstaller", Outcome::Removed, [&] { mine("config/Tilora/other.conf"); },
         {"config/Tilora", "config/Tilora/other.conf"}},
        {folder + "/Uninstaller", Outcome::Removed, [] { Profile().WriteProfileInt("Mine", "Kept", 1); },
         {"config/Tilora", "config/Tilora/Tilora.conf"}},
        {folder + "/Uninstaller", Outcome::Removed, [&] { mine(menu + "/mine.desktop"); }, {menu, menu + "/mine.desktop"}},
        {folder + "/Uninstaller", Outcome::Removed, [&] { InstallGameFiles(other); },  // a later install elsewhere
         {"Other", "Other/Tilora", "Other/Tilora.cnt", "Other/Tilora.html", "Other/Tilora.png", "Other/Uninstaller", menu,
          menu + "/Tilora.desktop", menu + "/Uninstall.desktop", "Desktop/Tilora.desktop"}},
    };
    for (const auto& c : cases) {
        InstallGameFiles(folder);
        c.alsoThere();
        QProcess game;
        if (c.outcome == Outcome::StillRunning) {
            QFile::remove(folder + "/Tilora");
            QFile::copy("/bin/sleep", folder + "/Tilora");
            game.start(folder + "/Tilora", {"30"});
            ASSERT_TRUE(game.waitForStarted());
            QFile::remove(folder + "/Tilora");  // still running from the file it started from
        }
        const FolderSnapshot before = SnapshotOf(QDir::homePath(), {"tmp"});
        int asked = 0;
        QStringList told;
        const Questions questions = {[&] { return ++asked, c.outcome != Outcome::Cancelled; },
                                     [&](const QString& text) { told << text; }};
        const std::string what = c.argument.toStdString() + " " + c.alsoLeft.join(' ').toStdString();

        QFile::copy(folder + "/Uninstaller", copy);
        EXPECT_EQ(RemoveInstallation(c.argument, copy, questions), c.outcome) << what;
        EXPECT_EQ(asked, c.outcome != Outcome::Refused) << what;
        EXPECT_EQ(told, c.outcome == Outcome::StillRunning ? QStringList{StillRunningText} : QStringList{}) << what;
        EXPECT_FALSE(QFile::exists(copy)) << what;
        const FolderSnapshot after = SnapshotOf(QDir::homePath(), {"tmp"});
        if (c.outcome == Outcome::Removed) {
            QStringList expected = QStringList{"Desktop", "config", "data", "data/applications", parent} + c.alsoLeft;
            expected.sort();
            EXPECT_EQ(PathsOf(after), expected.join(" | ").toStdString() + " | ") << what;
            // A second run finds no uninstaller there any more and ends without a word.
            EXPECT_EQ(RemoveInstallation(c.argument, copy, questions), Outcome::Refused) << what;
            EXPECT_EQ(SnapshotOf(QDir::homePath(), {"tmp"}), after) << what;
        } else {
            EXPECT_EQ(after, before) << what;
        }
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
