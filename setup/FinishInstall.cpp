#include "FinishInstall.h"

#include "DesktopEntry.h"
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
    const QString game = installed.filePath(QStringLiteral("Tilora"));
    const QString icon = installed.filePath(QStringLiteral("Tilora.png"));
    const DesktopEntry gameEntry{QStringLiteral("Tilora"), game, icon};
    bool allDone = true;

    if (choices.programGroup && !folders.menu.isEmpty()) {
        const QString group = QDir(folders.menu).filePath(QStringLiteral("Tilora"));
        const DesktopEntry uninstallEntry{QStringLiteral("Uninstall"), installed.filePath(QStringLiteral("Uninstaller")), icon};
        allDone &= QDir().mkpath(group);
        allDone &= DesktopEntries::Write(group + "/Tilora.desktop", gameEntry, FileKind::Data);
        allDone &= DesktopEntries::Write(group + "/Uninstall.desktop", uninstallEntry, FileKind::Data);
    }
    // File managers only run a desktop entry without asking when it is executable.
    if (choices.desktopShortcut && !folders.desktop.isEmpty())
        allDone &= DesktopEntries::Write(QDir(folders.desktop).filePath(QStringLiteral("Tilora.desktop")), gameEntry,
                                         FileKind::Program);
    if (choices.runProgram)
        allDone &= Shell::StartProgram(game, {}, destination);
    return allDone;
}
