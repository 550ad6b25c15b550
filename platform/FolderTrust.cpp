#include "FolderTrust.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

namespace FolderTrust {

namespace {

bool OwnedBy(const struct stat& info, uid_t player, bool last)
{
    return info.st_uid == player || (!last && info.st_uid == 0);
}

bool WritableByOthers(const struct stat& info, bool last)
{
    return (info.st_mode & (S_IWGRP | S_IWOTH)) && (last || !(info.st_mode & S_ISVTX));
}

// The levels of `path` from the root down, as written: "/", "/a", "/a/b".
QStringList Levels(const QString& path)
{
    QStringList levels = {QStringLiteral("/")};
    for (const QString& part : path.split('/', Qt::SkipEmptyParts))
        levels << (levels.size() == 1 ? QString() : levels.last()) + '/' + part;
    return levels;
}

// Checks each existing level of `path`; links are only checked as links here.
QString FirstForeignLevel(const QString& path, uid_t player)
{
    const QStringList levels = Levels(path);
    for (int i = 0; i < levels.size(); ++i) {
        struct stat info {};
        if (::lstat(QFile::encodeName(levels[i]).constData(), &info) != 0)
            return QString();  // the rest does not exist yet
        const bool last = i == levels.size() - 1;
        if (S_ISLNK(info.st_mode) ? !OwnedBy(info, player, false)
                                  : !OwnedBy(info, player, last) || WritableByOthers(info, last))
            return levels[i];
    }
    return QString();
}

} // namespace

QString FirstForeignFolder(const QString& folder, uid_t player)
{
    const QString asWritten = FirstForeignLevel(folder, player);
    if (!asWritten.isEmpty())
        return asWritten;
    // Where the links lead: the longest existing part resolved, and what is still to be made.
    QString existing = folder;
    while (existing != "/" && !QFileInfo::exists(existing))
        existing = QFileInfo(existing).path();
    const QString resolved = QFileInfo(existing).canonicalFilePath();
    if (resolved.isEmpty() || resolved == existing)
        return QString();
    return FirstForeignLevel(QDir::cleanPath(resolved + folder.mid(existing.size())), player);
}

QString FirstForeignFolder(const QString& folder)
{
    return FirstForeignFolder(folder, ::geteuid());
}

} // namespace FolderTrust
