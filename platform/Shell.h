#pragma once

#include <QString>
#include <QStringList>

// Hands documents and addresses to the desktop, and starts programs.
namespace Shell {

// Opens a local file with the program the desktop associates with it. False when it could not.
bool OpenDocument(const QString& path);

// Opens a web address (or any URL) with the desktop. False when it could not.
bool OpenAddress(const QString& address);

// Starts a program detached from this one, in `workingFolder` when one is given (else in this
// program's current folder). False when it could not be started.
bool StartProgram(const QString& program, const QStringList& arguments, const QString& workingFolder = QString());

} // namespace Shell
