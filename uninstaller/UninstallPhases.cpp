#include "UninstallPhases.h"

#include "PrivateCopy.h"
#include "RunningPrograms.h"
#include "UninstallPlan.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace UninstallPhases {

namespace {

QByteArray Digest(const QString& path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    return file.open(QIODevice::ReadOnly) && hash.addData(&file) ? hash.result() : QByteArray();
}

// Only the copy phase A made removes itself (and its folder): an uninstaller run by hand keeps its file.
void RemoveIfTemporaryCopy(const QString& ownPath)
{
    if (IsPrivateCopy(ownPath, CopyName))
        RemovePrivateCopy(ownPath);
}

// The folder of the installed uninstaller, its path taken exactly as given.
QString InstallFolder(const QString& argument)
{
    const qsizetype slash = argument.lastIndexOf('/');
    return slash == 0 ? QStringLiteral("/") : argument.left(slash);
}

} // namespace

bool Relocate(const QString& ownPath, const ProgramStarter& start)
{
    const QString copy = CopyProgramPrivately(ownPath, TemporaryFolder(), CopyName);
    if (copy.isEmpty())
        return false;
    if (start(copy, {ownPath}))
        return true;
    RemovePrivateCopy(copy);  // e.g. a temporary folder whose programs may not run
    return false;
}

bool IsInstalledUninstaller(const QString& argument, const QString& ownPath)
{
    const QFileInfo file(argument);
    if (!file.isAbsolute() || file.fileName() != QStringLiteral("Uninstaller") || file.isSymLink() || !file.isFile()
        || file.size() != QFileInfo(ownPath).size())
        return false;
    const QByteArray installed = Digest(argument);
    return !installed.isEmpty() && installed == Digest(ownPath);
}

Outcome RemoveInstallation(const QString& argument, const QString& ownPath, const Questions& questions)
{
    Outcome outcome = Outcome::Refused;
    if (IsInstalledUninstaller(argument, ownPath)) {
        const QString folder = InstallFolder(argument);
        if (!questions.confirm()) {
            outcome = Outcome::Cancelled;
        } else if (IsProgramRunning(folder + QStringLiteral("/Tilora"))) {
            // A running game writes its settings back when it closes, after they were removed.
            questions.tell(StillRunningText);
            outcome = Outcome::StillRunning;
        } else {
            UninstallPlan::For(UninstallPlan::CurrentPlaces(folder)).CarryOut();
            outcome = Outcome::Removed;
        }
    }
    RemoveIfTemporaryCopy(ownPath);
    return outcome;
}

} // namespace UninstallPhases
