#pragma once

#include <QString>
#include <sys/types.h>

// Whether a folder is the player's own: nobody else can put files into it, or swap it for another
// by changing a folder above it. A program run from a folder that is not, or installed into one,
// would run what others put there.
namespace FolderTrust {

// The first folder on the way to `folder` that another user controls, or an empty string when
// there is none. `folder` must be absolute and clean; the levels of it that do not exist yet are
// not asked about. Every level, as written and with its links resolved, must belong to `player`
// (or to the system administrator) and be writable by nobody else, unless its sticky bit keeps
// others from renaming what it holds; a symbolic link must belong to one of them too. The folder
// itself must belong to `player` and be writable by nobody else, sticky bit or not.
QString FirstForeignFolder(const QString& folder, uid_t player);

// The same for the user running this program.
QString FirstForeignFolder(const QString& folder);

} // namespace FolderTrust
