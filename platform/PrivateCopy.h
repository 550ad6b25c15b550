#pragma once

#include <QString>
#include <optional>

// $TMPDIR when it names a folder, else /tmp.
QString TemporaryFolder();

// Copies the program at `source` into a new folder of its own inside `parent`, as `name`. The
// folder is made by mkdtemp (mode 0700, named `name` + "-" + six random characters), so nobody else
// can put a plugin, a configuration file or a link beside the copy, or replace it. Returns the
// copy's path, or an empty string with nothing left behind.
QString CopyProgramPrivately(const QString& source, const QString& parent, const QString& name);

// Whether `path` is a copy made as above: a file named `name` in a folder named after it that
// belongs to this user and nobody else may enter.
bool IsPrivateCopy(const QString& path, const QString& name);

// Removes such a copy and its folder when nothing else is in it.
void RemovePrivateCopy(const QString& path);

// The toolkit reads plugins from a program's own folder while it starts. A program that may have
// been saved into a folder others can write (a shared download folder, /tmp) calls this first:
// when its folder is not the player's own, it runs a private copy of itself (named `name`) with
// the same arguments, waits for it, removes it, and gives its exit code. Empty when the program
// should go on where it is: its folder is the player's own, or it is that copy.
std::optional<int> RunInPrivateFolderIfShared(const QString& own, const QString& name, char** argv);
