#pragma once

#include <QString>

// Copies the program at `source` into `folder` as a new file that only this user can read, write
// and run: it is created exclusively under a unique name, so nothing planted in the folder is
// followed or overwritten, then renamed to `name`, replacing (never following) what stood there.
// When that rename is refused (a file of another user in a shared folder), the copy keeps its
// unique name. Returns the copy's path, or an empty string with nothing left behind.
QString CopyProgramPrivately(const QString& source, const QString& folder, const QString& name);
