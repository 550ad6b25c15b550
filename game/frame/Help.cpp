#include "Help.h"

#include "Shell.h"

QString HelpFilePath(const QString& programFolder)
{
    QString path = programFolder;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path + QStringLiteral("Tilora.html");
}

bool OpenHelp(const QString& programFolder)
{
    return OpenHelp(programFolder, Shell::OpenDocument);
}

bool OpenHelp(const QString& programFolder, const std::function<bool(const QString& path)>& openDocument)
{
    return openDocument(HelpFilePath(programFolder));
}
