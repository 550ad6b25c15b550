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

QByteArray Text(const DesktopEntry& entry);

// Writes the entry to `path` through SafeFileWriter. False when it cannot be carried or written.
bool Write(const QString& path, const DesktopEntry& entry, FileKind kind);

} // namespace DesktopEntries
