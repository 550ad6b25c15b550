#include "FolderSnapshot.h"
#include "InstalledGame.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

struct RemovalCase {
    const char* what;
    std::function<void(const QString& folder)> alsoThere;
    QStringList alsoLeft;  // besides the folders that were there before the install
};

void WriteFile(const QString& path) { WriteFileSafely(QDir::home().filePath(path), "mine", FileKind::Data); }

void EntriesOfAnotherInstall(const QString&)
{
    InstallGameFiles(QDir::home().filePath("Other"));
    QDir(QDir::home().filePath("Other")).removeRecursively();
}

} // namespace

TEST(UninstallPlan, RemovesOnlyWhatIsOursAndFoldersOnlyWhenEmpty)
{
    const QStringList before = {"Desktop", "config", "data", "data/applications"};
    const RemovalCase cases[] = {
        {"one complete install", [](const QString&) {}, {}},
        {"a file of the user's in the install folder", [](const QString&) { WriteFile("Games 'n \"more\"/notes"); },
         {"Games 'n \"more\"", "Games 'n \"more\"/notes"}},
        {"another program's settings beside the game's", [](const QString&) { WriteFile("config/Tilora/other.conf"); },
         {"config/Tilora", "config/Tilora/other.conf"}},
        {"a section the game does not own",
         [](const QString&) { Profile().WriteProfileInt("Mine", "Kept", 1); },
         {"config/Tilora", "config/Tilora/Tilora.conf"}},
        {"a user's own entry in the menu folder", [](const QString&) { WriteFile("data/applications/Tilora/mine.desktop"); },
         {"data/applications/Tilora", "data/applications/Tilora/mine.desktop"}},
        {"entries of a later install elsewhere", EntriesOfAnotherInstall,
         {"data/applications/Tilora", "data/applications/Tilora/Tilora.desktop",
          "data/applications/Tilora/Uninstall.desktop", "Desktop/Tilora.desktop"}},
    };
    for (const RemovalCase& c : cases) {
        const QString folder = QDir::home().filePath("Games 'n \"more\"");
        InstallGameFiles(folder);
        c.alsoThere(folder);
        const UninstallPlan plan = UninstallPlan::For(UninstallPlan::CurrentPlaces(folder));
        plan.CarryOut();
        const FolderSnapshot left = SnapshotOf(QDir::homePath(), {"tmp"});
        QStringList expected = before + c.alsoLeft;
        expected.sort();
        EXPECT_EQ(PathsOf(left), expected.join(" | ").toStdString() + " | ") << c.what;

        plan.CarryOut();  // a second run finds nothing more to do
        EXPECT_EQ(SnapshotOf(QDir::homePath(), {"tmp"}), left) << c.what;
        ClearHome();
    }
}
