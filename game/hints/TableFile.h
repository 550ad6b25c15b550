#pragma once

#include "ShortestTables.h"

#include <QString>

// The 4 x 4 tables kept for the user between runs, in $XDG_CACHE_HOME/Tilora/ (normally
// ~/.cache/Tilora/): they can always be made again, so they are a cache, not data. The file is
// written whole or not at all; one that is damaged, cut short or of another version is not
// believed (PatternTables::FromBytes checks) and is made afresh and replaced.
QString TableFilePath();
TableStore TableFileStore(const QString& path = TableFilePath());
