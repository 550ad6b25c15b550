#pragma once

#include <QString>

// The full path of the running program's own file, as the system knows it. Unlike the path the
// program was started by, it stays right for a copy started under another name or through a link.
// Empty when the system cannot tell.
QString OwnProgramPath();
