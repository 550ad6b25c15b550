#pragma once

#include <QString>

// The rules of the destination folder, apart from the page that asks for it.
namespace Destination {

// The per-user data folder + "/Tilora", whether or not that data folder exists yet.
QString DefaultFolder();

// The folder the user typed, as an absolute, clean path: a leading "~" is the home folder, a
// relative path is taken from the current folder, and a trailing "/" makes no difference.
QString Resolve(const QString& typed);

// Whether `path` names an existing folder (or a link to one). Asks the file system; changes
// nothing, not even the current folder.
bool IsFolder(const QString& path);

} // namespace Destination
