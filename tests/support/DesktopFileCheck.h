#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

// What desktop-file-validate has to say about an entry: nothing, when the entry is sound.
inline QByteArray DesktopFileProblems(const QString& path)
{
    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start("desktop-file-validate", {path});
    if (!validate.waitForFinished())
        return "desktop-file-validate did not run";
    const QByteArray said = validate.readAll();
    return validate.exitCode() == 0 ? said : "exit code " + QByteArray::number(validate.exitCode()) + ": " + said;
}
