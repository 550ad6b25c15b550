#include "FolderSnapshot.h"
#include "InstalledGame.h"
#include "UninstallPhases.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace UninstallPhases;

// What exists before and what is left after, for phase B started with each argument and answer.
TEST(UninstallPhases, RemovesOnlyWhatIsOursAndOnlyForItsInstalledSelf)
{
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

        QString copy = CopyProgramPrivately(folder + "/Uninstaller", TemporaryFolder(), CopyName);
        EXPECT_EQ(RemoveInstallation(c.argument, copy, questions), c.outcome) << what;
        EXPECT_EQ(asked, c.outcome != Outcome::Refused) << what;
        EXPECT_EQ(told, c.outcome == Outcome::StillRunning ? QStringList{StillRunningText} : QStringList{}) << what;
        EXPECT_FALSE(QFileInfo::exists(QFileInfo(copy).path())) << what;
        const FolderSnapshot after = SnapshotOf(QDir::homePath(), {"tmp"});
        if (c.outcome == Outcome::Removed) {
            QStringList expected = QStringList{"Desktop", "config", "data", "data/applications", parent} + c.alsoLeft;
            expected.sort();
            EXPECT_EQ(PathsOf(after), expected.join(" | ").toStdString() + " | ") << what;
            // A second run finds no uninstaller there any more and ends without a word.
            copy = CopyProgramPrivately(QCoreApplication::applicationFilePath(), TemporaryFolder(), CopyName);
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

TEST(UninstallPhases, RelocatesIntoAFolderOfItsOwnThatGoesWithTheCopy)
{
    QTemporaryDir dir;
    const QString own = dir.filePath("Uninstaller"), victim = dir.filePath("victim");
    WriteFileSafely(own, "PROGRAM", FileKind::Program);
    WriteFileSafely(victim, "keep", FileKind::Data);
    ASSERT_TRUE(QFile::link(victim, TemporaryFolder() + '/' + CopyName));

    QStringList started;
    EXPECT_TRUE(Relocate(own, [&](const QString& program, const QStringList& arguments) {
        return started << program << arguments, true;
    }));
    ASSERT_EQ(started.size(), 2);
    const QString copy = started[0], folder = QFileInfo(copy).path();
    EXPECT_EQ(started[1], own);
    EXPECT_EQ(QFileInfo(folder).path(), TemporaryFolder());
    EXPECT_EQ(QFile(folder).permissions(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser
                                               | QFile::WriteUser | QFile::ExeUser);
    EXPECT_EQ(SnapshotOf(folder), (FolderSnapshot{{CopyName, "PROGRAM"}}));
    EXPECT_EQ(SnapshotOf(dir.path())["victim"], "keep");

    // Phase B refuses a stray argument, and the copy still takes itself and its folder away.
    EXPECT_EQ(RemoveInstallation(dir.filePath("elsewhere"), copy, {}), Outcome::Refused);
    EXPECT_FALSE(QFileInfo::exists(folder));

    // A copy that cannot be started is taken away again, and the caller does the work itself.
    started.clear();
    EXPECT_FALSE(Relocate(own, [&](const QString& program, const QStringList&) { return started << program, false; }));
    ASSERT_EQ(started.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(started[0]).path()));
}

// Someone else put an image-format plugin, or a qt.conf pointing at one, into the temporary folder.
// A program started beside them reads them; the uninstaller's copy and setup do not.
TEST(UninstallPhases, NoPluginOrQtConfPlantedInTheTemporaryFolderIsLoaded)
{
    const QString temporary = TemporaryFolder(), mark = QDir::home().filePath("mark");
    ASSERT_EQ(::chmod(QFile::encodeName(temporary).constData(), 01777), 0);  // shared, as /tmp is
    const QString planted = QDir::home().filePath("planted/imageformats");
    QDir().mkpath(planted);
    QFile::copy(QString::fromUtf8(TILORA_MARK_PLUGIN), planted + "/libmark.so");
    // The planted plugin folder offers the system's platforms too, so that a program misled into it still starts.
    QFile::link(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms", QFileInfo(planted).path() + "/platforms");
    const auto plantPlugin = [&] {
        QDir().mkpath(temporary + "/imageformats");
        return QFile::copy(planted + "/libmark.so", temporary + "/imageformats/libmark.so");
    };
    const auto plantQtConf = [&] {
        return WriteFileSafely(temporary + "/qt.conf", "[Paths]\nPlugins=" + QFile::encodeName(QFileInfo(planted).path()) + "\n",
                               FileKind::Data);
    };
    const auto run = [&](const QString& program, const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TILORA_PLUGIN_MARK", mark);
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        return process.waitForFinished() && process.exitCode() == 0;
    };
    const QString probe = QString::fromUtf8(TILORA_PLUGIN_PROBE), beside = temporary + "/probe";
    const struct {
        const char* what;
        std::function<bool()> plant;
        std::function<bool()> start;
        bool marked;
    } cases[] = {
        {"plugin, program beside it", plantPlugin, [&] { return QFile::copy(probe, beside) && run(beside, {}); }, true},
        {"qt.conf, program beside it", plantQtConf, [&] { return QFile::copy(probe, beside) && run(beside, {}); }, true},
        {"plugin, relocated copy", plantPlugin, [&] { return Relocate(probe, run); }, false},
        {"qt.conf, relocated copy", plantQtConf, [&] { return Relocate(probe, run); }, false},
        {"plugin, setup's way", plantPlugin, [&] { return QFile::copy(probe, beside) && run(beside, {"--guarded"}); }, false},
        {"qt.conf, setup's way", plantQtConf, [&] { return QFile::copy(probe, beside) && run(beside, {"--guarded"}); }, false},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(c.plant()) << c.what;
        ASSERT_TRUE(c.start()) << c.what;
        EXPECT_EQ(QFile::exists(mark), c.marked) << c.what;
        QFile::remove(mark);
        QFile::remove(beside);
        QFile::remove(temporary + "/qt.conf");
        QDir(temporary + "/imageformats").removeRecursively();
    }
    ::chmod(QFile::encodeName(temporary).constData(), 0700);
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
