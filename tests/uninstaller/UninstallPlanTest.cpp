#include "FolderSnapshot.h"
#include "InstalledGame.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// Every character the entries' Exec quoting and escaping must carry back.
const QString Folder = "Games 'n \"more\" $x `y` \\z";

void WriteFile(const QString& path) { WriteFileSafely(QDir::home().filePath(path), "mine", FileKind::Data); }

} // namespace

TEST(UninstallPlan, RemovesOnlyWhatIsOursAndFoldersOnlyWhenEmpty)
{
    const QStringList before = {"Desktop", "config", "data", "data/applications"};
    const struct {
        const char* what;
        std::function<void()> alsoThere;
        QStringList alsoLeft;
    } cases[] = {
        {"one complete install", [] {}, {}},
        {"a file of the user's in the install folder", [] { WriteFile(Folder + "/notes"); }, {Folder, Folder + "/notes"}},
        {"another program's settings beside the game's", [] { WriteFile("config/Tilora/other.conf"); },
         {"config/Tilora", "config/Tilora/other.conf"}},
        {"a section the game does not own", [] { Profile().WriteProfileInt("Mine", "Kept", 1); },
         {"config/Tilora", "config/Tilora/Tilora.conf"}},
        {"a user's own entry in the menu folder", [] { WriteFile("data/applications/Tilora/mine.desktop"); },
         {"data/applications/Tilora", "data/applications/Tilora/mine.desktop"}},
        {"entries of a later install elsewhere", [] { InstallGameFiles(QDir::home().filePath("Other")); },
         {"Other", "Other/Tilora", "Other/Tilora.cnt", "Other/Tilora.html", "Other/Tilora.png", "Other/Uninstaller",
          "data/applications/Tilora", "data/applications/Tilora/Tilora.desktop",
          "data/applications/Tilora/Uninstall.desktop", "Desktop/Tilora.desktop"}},
    };
    for (const auto& c : cases) {
        InstallGameFiles(QDir::home().filePath(Folder));
        c.alsoThere();
        const UninstallPlan plan = UninstallPlan::For(UninstallPlan::CurrentPlaces(QDir::home().filePath(Folder)));
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
