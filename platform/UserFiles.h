#pragma once

#include <QStandardPaths>
#include <QString>

// What the game keeps for the user outside its settings. The game makes these and the uninstaller
// takes them away by name, leaving whatever else is in their folders.
namespace UserFiles {

// Made again when missing.
inline QString CacheFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/Tilora");
}

// The 4 x 4 slider's distance tables, built on first need.
inline constexpr const char* SlideTables = "slide-tables-4x4.bin";

// The player's own records, kept beside the default install folder's contents.
inline QString DataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Tilora");
}

// One line for every game the player finished.
inline constexpr const char* History = "History.txt";

} // namespace UserFiles
