#pragma once

#include "SafeFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>

// The texts of an entry a menu shows; an empty one is left out.
struct DesktopEntryTexts {
    QString name;
    QString genericName;
    QString comment;
};

// A menu or desktop entry that starts one program with no arguments.
struct DesktopEntry {
    QString name;
    QString program;  // absolute path
    QString icon;     // absolute path of a PNG
    QString genericName;
    QString comment;
    std::map<QString, DesktopEntryTexts> translations;  // by language code, e.g. "de"
};

namespace DesktopEntries {

// Whether a path can stand in an entry and come back unchanged when the entry is launched.
// Control characters cannot be written at all, and a '%' does not survive every launcher's
// reading of the Exec line.
bool CanCarry(const QString& path);

QByteArray Text(const DesktopEntry& entry);

// Writes the entry to `path` through SafeFileWriter. False when it cannot be carried or written.
bool Write(const QString& path, const DesktopEntry& entry, FileKind kind);

// The programs an entry's text starts: its TryExec path and the program of its Exec line, with
// the file's escaping and the Exec quoting undone, so it can be told whose entry a file is.
QStringList Programs(const QByteArray& text);

// The current user's applications menu folder.
QString UserMenuFolder();
// The current user's desktop folder; empty when it does not exist or is the home folder itself, as
// it is where no desktop folder is set up, so nothing is put there or looked for there.
QString UserDesktopFolder();

} // namespace DesktopEntries
