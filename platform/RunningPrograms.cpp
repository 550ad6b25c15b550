#include "RunningPrograms.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <climits>
#include <unistd.h>

namespace {

// The program a process runs, as the system names it; other users' processes cannot be read.
QString ProcessProgram(const QString& processFolder)
{
    char buffer[PATH_MAX];
    const QByteArray link = QFile::encodeName(processFolder + "/exe");
    const ssize_t length = ::readlink(link.constData(), buffer, sizeof buffer);
    if (length <= 0 || length >= ssize_t(sizeof buffer))
        return QString();
    QString program = QFile::decodeName(QByteArray(buffer, int(length)));
    const QString removed = QStringLiteral(" (deleted)");
    if (program.endsWith(removed))
        program.chop(removed.size());
    return program;
}

} // namespace

bool IsProgramRunning(const QString& path)
{
    // The system reports the real path, links resolved; the file itself may be gone already.
    const QFileInfo file(path);
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    if (folder.isEmpty())
        return false;
    const QString program = folder + '/' + file.fileName();
    const QStringList processes = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& process : processes) {
        bool isNumber = false;
        process.toLongLong(&isNumber);
        if (isNumber && ProcessProgram("/proc/" + process) == program)
            return true;
    }
    return false;
}
