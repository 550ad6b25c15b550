#pragma once

#include "PrivateCopy.h"

#include <QString>
#include <QStringList>
#include <functional>

// The uninstaller runs in two processes, because the installed program is among what it removes.
// Phase A, started from the menu with no argument, copies the program to the temporary folder and
// starts that copy with the installed program's path; phase B, in the copy, asks and removes.
namespace UninstallPhases {

// The name of the temporary copy, and of the private folder it is put in (with a unique ending).
inline const QString CopyName = QStringLiteral("kwuninst");
inline const QString StillRunningText =
    QStringLiteral("Tilora is still running. Close it, then choose Uninstall again.");

using ProgramStarter = std::function<bool(const QString& program, const QStringList& arguments)>;

// Phase A: copies `ownPath` into a private folder of its own in the temporary folder and starts the copy with `ownPath` as its
// one argument. False, with no copy left, when the copy could not be made or started; the
// caller then runs phase B itself.
bool Relocate(const QString& ownPath, const ProgramStarter& start);

// Phase B acts only for a genuine installed uninstaller: an absolute path to a regular file named
// "Uninstaller" with the same contents as the running program, so that nobody can point it at
// another folder of files that happen to be named like the game's.
bool IsInstalledUninstaller(const QString& argument, const QString& ownPath);

struct Questions {
    std::function<bool()> confirm;                   // true to uninstall
    std::function<void(const QString& text)> tell;   // a message the user must hear of
};

enum class Outcome { Refused, Cancelled, StillRunning, Removed };

// Phase B. `argument` is the installed uninstaller's path, kept exactly as given. Whatever
// happens, a temporary copy running this removes its own file and folder before it returns.
Outcome RemoveInstallation(const QString& argument, const QString& ownPath, const Questions& questions);

} // namespace UninstallPhases
