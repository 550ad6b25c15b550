#pragma once

#include <QDirIterator>
#include <QFile>
#include <map>

// Everything under `root` by relative path: a file's bytes, "<folder>", or a link's "-> target";
// top-level names in `skip` are left out.
using FolderSnapshot = std::map<QString, QByteArray>;

inline FolderSnapshot SnapshotOf(const QString& root, const QStringList& skip = {})
{
    FolderSnapshot snapshot;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        const QString path = QDir(root).relativeFilePath(info.filePath());
        QFile file(info.filePath());
        if (skip.contains(path.section('/', 0, 0)))
            continue;
        snapshot[path] = info.isSymLink() ? "-> " + info.symLinkTarget().toUtf8()
                         : info.isDir()   ? "<folder>"
                                          : (file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>");
    }
    return snapshot;
}

// The paths of a snapshot, one text, so that a difference reads plainly.
inline std::string PathsOf(const FolderSnapshot& snapshot)
{
    std::string paths;
    for (const auto& [path, contents] : snapshot)
        paths += path.toStdString() + " | ";
    return paths;
}
