#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <map>

// Everything under `root` by relative path: a file's bytes, "<folder>", or a link's "-> target".
// `skip` names top-level entries left out (e.g. the temporary folder).
using FolderSnapshot = std::map<QString, QByteArray>;

inline FolderSnapshot SnapshotOf(const QString& root, const QStringList& skip = {})
{
    FolderSnapshot snapshot;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        const QString path = QDir(root).relativeFilePath(info.filePath());
        if (skip.contains(path.section('/', 0, 0)))
            continue;
        QFile file(info.filePath());
        if (info.isSymLink())
            snapshot[path] = "-> " + QFile::encodeName(info.symLinkTarget());
        else if (info.isDir())
            snapshot[path] = "<folder>";
        else
            snapshot[path] = file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>";
    }
    return snapshot;
}

inline QStringList PathsOf(const FolderSnapshot& snapshot)
{
    QStringList paths;
    for (const auto& [path, contents] : snapshot)
        paths << path;
    return paths;
}
