#include "FolderSnapshot.h"
#include "MainFrame.h"
#include "ModalScript.h"
#include "Profile.h"
#include "ProfileSections.h"
#include "SafeFile.h"
#include "SetupApp.h"
#include "UserFiles.h"
#include "UninstallPhases.h"

#include <QCheckBox>
#include <QTest>
#include <gtest/gtest.h>

using S = ModalScript;

// The real setup program's package installed through the wizard, the game's options and scores
// stored, the hint tables cached and a game recorded, then everything removed by phase B: the user's own files come through byte for byte.
TEST(RoundTrip, InstallThenUninstallLeavesExactlyWhatWasThereBefore)
{
    for (const QString path : {"Desktop/notes.txt", "data/applications/mine.desktop", "config/Other/o.conf", "cache/other/c", "tmp/t"}) {
        QDir::home().mkpath(QFileInfo(path).path());
        WriteFileSafely(QDir::home().filePath(path), path.toUtf8(), FileKind::Data);
    }
    QDir::home().mkpath("config/Tilora");
    WriteFileSafely(QDir::home().filePath("config/Tilora/Tilora.conf"), "; mine\r\n[My Own]\r\nkept = yes\r\n",
                    FileKind::Data);
    const FolderSnapshot before = SnapshotOf(QDir::homePath());

    const S::Step finishWithoutStarting = [](QWidget* page) {
        page->findChild<QCheckBox*>("check1006")->setChecked(false);
        page->findChild<QPushButton*>("finishButton")->click();
    };
    {
        S script({S::Click("nextButton"), S::Click("nextButton"), S::Answer(QMessageBox::Yes), finishWithoutStarting});
        ASSERT_EQ(SetupApp(TILORA_DIST_SETUP, CompiledManifest()).Run(), 0);
        EXPECT_EQ(script.Seen().size(), 4);
    }
    const QString folder = QDir::home().filePath("data/Tilora");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList({"Tilora", "Tilora.cnt", "Tilora.html", "Tilora.png", "Uninstaller"}));
    for (const QString entry : {"data/applications/Tilora/Tilora.desktop", "data/applications/Tilora/Uninstall.desktop",
                                "Desktop/Tilora.desktop"})
        EXPECT_TRUE(QFile::exists(QDir::home().filePath(entry))) << entry.toStdString();
    {
        MainFrame game;
        game.show();
        const QRect board = game.centralWidget()->rect();
        for (const QPoint tile : {QPoint(1, 1), QPoint(board.width() - 2, board.height() - 2)})
            QTest::mouseClick(game.centralWidget(), Qt::LeftButton, {}, tile);
        game.close();
    }
    for (const char* section : {ProfileSections::Scores, ProfileSections::SliderScores})
        Profile().WriteProfileInt(section, "Difficulty0", 5);
    for (const QString& kept : {UserFiles::CacheFolder() + '/' + UserFiles::SlideTables, UserFiles::DataFolder() + '/' + UserFiles::History}) {
        QDir().mkpath(QFileInfo(kept).path());
        WriteFileSafely(kept, "kept by the game", FileKind::Data);
    }
    for (const auto& [section, entry] : {std::pair{ProfileSections::Settings, "Dimension"}, {ProfileSections::Game, "Position"},
                                         {ProfileSections::Scores, "Difficulty0"}, {ProfileSections::SliderScores, "Difficulty0"}})
        EXPECT_NE(Profile().GetProfileString(section, entry, "none"), "none") << section;

    const QString copy = CopyProgramPrivately(folder + "/Uninstaller", TemporaryFolder(), UninstallPhases::CopyName);
    EXPECT_EQ(UninstallPhases::RemoveInstallation(folder + "/Uninstaller", copy, {[] { return true; }, [](const QString&) {}}),
              UninstallPhases::Outcome::Removed);
    EXPECT_EQ(PathsOf(SnapshotOf(QDir::homePath())), PathsOf(before));
    EXPECT_EQ(SnapshotOf(QDir::homePath()), before);
}
