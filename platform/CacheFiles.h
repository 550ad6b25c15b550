#pragma once

#include <QStandardPaths>
#include <QString>

// What the game keeps in the user's cache folder. All of it is made again when missing, so the
// uninstaller takes it away with the settings.
namespace CacheFiles {

inline QString Folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/Tilora");
}

// The 4 x 4 slider's distance tables, built on first need.
inline constexpr const char* SlideTables = "slide-tables-4x4.bin";

} // namespace CacheFiles
