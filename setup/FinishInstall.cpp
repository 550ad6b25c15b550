#include "FinishInstall.h"

#include "DesktopEntry.h"
#include "InstalledFiles.h"
#include "Shell.h"
#include "Translations.h"

#include <QCoreApplication>

#include <QDir>
#include <QFileInfo>

namespace {

const char* const Context = "FinishInstall";

// In English, with every language Tilora speaks beside it, whatever language setup runs in: the
// menu shows the one of the player who opens it.
DesktopEntry EntryWithTexts(const char* name, const char* genericName, const char* comment, const QString& program,
                            const QString& icon)
{
    const auto english = [](const char* text) { return QString::fromUtf8(text); };
    DesktopEntry entry{english(name), program, icon, english(genericName), english(comment), {}};
    for (const QString& language : ShippedLanguages()) {
        const auto in = [&language](const char* text) { return text ? TranslatedInto(language, Context, text) : QString(); };
        entry.translations[language] = {in(name), in(genericName), in(comment)};
    }
    return entry;
}

} // namespace

ShortcutFolders ShortcutFolders::ForThisUser()
{
    return {DesktopEntries::UserMenuFolder(), DesktopEntries::UserDesktopFolder()};
}

bool FinishInstall(const QString& destination, const FinishChoices& choices, const ShortcutFolders& folders)
{
    const QDir installed(destination);
    const QString game = installed.filePath(InstalledFiles::Game);
    const QString icon = installed.filePath(InstalledFiles::Icon);
    const DesktopEntry gameEntry =
        EntryWithTexts(QT_TRANSLATE_NOOP("FinishInstall", "Tilora"), QT_TRANSLATE_NOOP("FinishInstall", "Picture Puzzle"),
                       QT_TRANSLATE_NOOP("FinishInstall", "Put a jumbled picture back together, tile by tile"), game, icon);
    bool allDone = true;

    if (choices.programGroup && !folders.menu.isEmpty()) {
        const QString group = QDir(folders.menu).filePath(InstalledFiles::MenuGroup);
        const DesktopEntry uninstallEntry =
            EntryWithTexts(QT_TRANSLATE_NOOP("FinishInstall", "Uninstall"), nullptr,
                           QT_TRANSLATE_NOOP("FinishInstall", "Remove Tilora from this computer"),
                           installed.filePath(InstalledFiles::Uninstaller), icon);
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
