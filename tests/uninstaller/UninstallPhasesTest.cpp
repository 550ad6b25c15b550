#include "FolderSnapshot.h"
#include "InstalledGame.h"
#include "UninstallPhases.h"

#include <QLibraryInfo>
#include <QProcess>
#include <functional>
#include <QTemporaryDir>
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
            copy = CopyProgramPrivately(TILORA_PLUGIN_PROBE, TemporaryFolder(), CopyName);
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

TEST(UninstallPhases, RelocatesIntoAPrivateFolderThatGoesWithTheCopy)
{
    QTemporaryDir dir;
    const QString own = dir.filePath("Uninstaller");
    const QStringList before = QDir(TemporaryFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    WriteFileSafely(own, "PROGRAM", FileKind::Program);
    QStringList started;
    EXPECT_TRUE(Relocate(own, [&](const QString& program, const QStringList& arguments) {
        return started << program << arguments, true;
    }));
    ASSERT_EQ(started.size(), 2);
    const QString folder = QFileInfo(started[0]).path();
    EXPECT_EQ(started[1], own);
    struct stat info {};
    ASSERT_EQ(::lstat(QFile::encodeName(folder).constData(), &info), 0);
    EXPECT_EQ(info.st_mode, S_IFDIR | 0700u);
    EXPECT_EQ(SnapshotOf(folder), (FolderSnapshot{{CopyName, "PROGRAM"}}));

    // Phase B refuses a stray argument, and the copy still takes itself and its folder away.
    EXPECT_EQ(RemoveInstallation(dir.filePath("elsewhere"), started[0], {}), Outcome::Refused);
    // A copy that cannot be started is taken away again, and the caller does the work itself.
    EXPECT_FALSE(Relocate(own, [](const QString&, const QStringList&) { return false; }));
    EXPECT_EQ(QDir(TemporaryFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

// Someone else put an image-format plugin, or a qt.conf pointing at one, into the temporary folder.
// A program started beside them reads them; the uninstaller's copy and setup do not.
TEST(UninstallPhases, NoPluginOrQtConfPlantedInTheTemporaryFolderIsLoaded)
{
    const QString temporary = TemporaryFolder(), mark = QDir::home().filePath("mark");
    const QString planted = QDir::home().filePath("planted"), probe = TILORA_PLUGIN_PROBE, beside = temporary + "/probe";
    ASSERT_EQ(::chmod(QFile::encodeName(temporary).constData(), 01777), 0);  // shared, as /tmp is
    qputenv("TILORA_PLUGIN_MARK", QFile::encodeName(mark));
    QDir().mkpath(planted + "/imageformats");
    QFile::copy(TILORA_MARK_PLUGIN, planted + "/imageformats/libmark.so");
    // The system's platforms too, so that a program misled into this folder still starts.
    QFile::link(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms", planted + "/platforms");
    const std::function<bool()> plants[] = {
        [&] { return QDir().mkpath(temporary + "/imageformats") && QFile::copy(TILORA_MARK_PLUGIN, temporary + "/imageformats/m.so"); },
        [&] { return WriteFileSafely(temporary + "/qt.conf", "[Paths]\nPlugins=" + QFile::encodeName(planted), FileKind::Data); },
    };
    const auto run = [](const QString& program, const QStringList& arguments) { return QProcess::execute(program, arguments) == 0; };
    enum How { Beside, Relocated, Guarded };
    for (const auto& plant : plants) {
        for (const How how : {Beside, Relocated, Guarded}) {
            ASSERT_TRUE(plant()) << how;
            if (how == Relocated)
                ASSERT_TRUE(Relocate(probe, run));
            else
                ASSERT_TRUE(QFile::copy(probe, beside) && run(beside, how == Guarded ? QStringList{"--guarded"} : QStringList{}));
            EXPECT_EQ(QFile::exists(mark), how == Beside) << how;
            for (const QString& path : {mark, beside, temporary + "/qt.conf", temporary + "/imageformats/m.so"})
                QFile::remove(path);
        }
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
