#pragma once

#include <QString>
#include <functional>

// The help book "Tilora.html" that lives in the program's folder.
QString HelpFilePath(const QString& programFolder);

// Hands the help book to the desktop. False when it is missing or nothing would open it; the
// game carries on either way.
bool OpenHelp(const QString& programFolder);
bool OpenHelp(const QString& programFolder, const std::function<bool(const QString& path)>& openDocument);
