#include "Help.h"

#include "Shell.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

const char* const InstalledDataFolder = "tilora";

QString WithSlash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

void Warn(QWidget* parent, const QString& text)
{
    QMessageBox::warning(parent, QStringLiteral("Tilora"), text);
}

} // namespace

QString HelpFilePath(const QString& folder)
{
    return WithSlash(folder) + QStringLiteral("Tilora.html");
}

QStringList HelpFileCandidates(const QString& programFolder)
{
    QStringList candidates{HelpFilePath(programFolder)};
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        candidates << HelpFilePath(WithSlash(data) + InstalledDataFolder);
    candidates << HelpFilePath(WithSlash(programFolder) + "../share/" + InstalledDataFolder);
    for (QString& candidate : candidates)
        candidate = QDir::cleanPath(candidate);
    candidates.removeDuplicates();
    return candidates;
}

QString FindHelpFile(const QString& programFolder)
{
    for (const QString& candidate : HelpFileCandidates(programFolder)) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

void OpenHelp(QWidget* parent, const QString& programFolder)
{
    OpenHelp(parent, programFolder, Shell::OpenDocument);
}

void OpenHelp(QWidget* parent, const QString& programFolder,
              const std::function<bool(const QString& path)>& openDocument)
{
    const QString book = FindHelpFile(programFolder);
    if (book.isEmpty()) {
        // Every place, not only the last: a player who moved the game sees where the book belongs.
        Warn(parent, QCoreApplication::translate("Help", "The help book Tilora.html could not be found. Tilora looked for it here:\n\n%1")
                         .arg(HelpFileCandidates(programFolder).join(QLatin1Char('\n'))));
    } else if (!openDocument(book)) {
        Warn(parent, QCoreApplication::translate("Help", "The help book %1 could not be opened.").arg(book));
    }
}
