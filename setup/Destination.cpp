#include "Destination.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Destination {

QString DefaultFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data.isEmpty() ? QString() : QDir(data).filePath(QStringLiteral("Tilora"));
}

QString Resolve(const QString& typed)
{
    QString path = typed;
    if (path == "~" || path.startsWith("~/"))
        path = QDir::homePath() + path.mid(1);
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

bool IsFolder(const QString& path)
{
    return QFileInfo(path).isDir();
}

} // namespace Destination
