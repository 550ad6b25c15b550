#include "FinishInstall.h"

#include "DesktopEntry.h"
#include "InstalledFiles.h"
#include "Shell.h"

#include <QDir>
#include <QFileInfo>

ShortcutFolders ShortcutFolders::ForThisUser()
{
    return {DesktopEntries::UserMenuFolder(), DesktopEntries::UserDesktopFolder()};
}

bool FinishInstall(const QString& destination, const FinishChoices& choices, const ShortcutFolders& folders)
{
    const QDir installed(destination);
    const QString game = installed.filePath(InstalledFiles::Game);
    const QString icon = installed.filePath(InstalledFiles::Icon);
    const DesktopEntry gameEntry{QStringLiteral("Tilora"), game, icon};
    bool allDone = true;

    if (choices.programGroup && !folders.menu.isEmpty()) {
        const QString group = QDir(folders.menu).filePath(InstalledFiles::MenuGroup);
        const DesktopEntry uninstallEntry{QStringLiteral("Uninstall"), installed.filePath(InstalledFiles::Uninstaller), icon};
        allDone &= QDir().mkpath(group);
        allDone &= DesktopEntries::Write(QDir(group).filePath(InstalledFiles::GameEntry), gameEntry, FileKind::Data);
        allDone &= DesktopEntries::Write(QDir(group).filePath(InstalledFiles::UninstallEntry), uninstallEntry, FileKind::Data);
    }
    // File managers only run a desktop entry without asking when it is executable.
    if (choices.desktopShortcut && !folders.desktop.isEmpty())
        allDone &= DesktopEntries::Write(QDir(folders.desktop).filePath(InstalledFiles::GameEntry), gameEntry,
                                         FileKind::Program);
    if (choices.runProgram)
        allDone &= Shell::StartProgram(game, {}, destination);
    return allDone;
}
