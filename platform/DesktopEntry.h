#pragma once

#include "SafeFile.h"

#include <QByteArray>
#include <QString>

// A menu or desktop entry that starts one program with no arguments.
struct DesktopEntry {
    QString name;
    QString program;  // absolute path
    QString icon;     // absolute path of a PNG
};

namespace DesktopEntries {

// Whether a path can stand in an entry and come back unchanged when the entry is launched.
// Control characters cannot be written at all, and a '%' does not survive every launcher's
// reading of the Exec line.
bool CanCarry(const QString& path);

// The Exec value for a program run without arguments, quoted and escaped as the file stores it.
QString ExecValue(const QString& program);

QByteArray Text(const DesktopEntry& entry);

// Writes the entry to `path` through SafeFileWriter. False when it cannot be carried or written.
bool Write(const QString& path, const DesktopEntry& entry, FileKind kind);

} // namespace DesktopEntries
