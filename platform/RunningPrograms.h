#pragma once

#include <QString>

// Whether a process of this user is running the program file at `path`, also when that file has
// since been removed or replaced (the process keeps the file it started from).
bool IsProgramRunning(const QString& path);
