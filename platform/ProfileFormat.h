#pragma once

#include <QSettings>

class QIODevice;

// The profile's file: the INI layout ("[Section]", then "Name=value" lines, values escaped and
// quoted as the toolkit's own INI files are, so files of either kind read in both), with every
// value kept as text. The toolkit's INI reader turns a value written "@Variant(...)" into an
// object of any registered type and any size; nothing in the game's options or scores is an
// object, and a damaged file must not be able to make one.
namespace ProfileFormat {

// The game writes a few kilobytes; a larger file is not the game's and reads as empty.
constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;

// Registered with the toolkit once, with the extension "conf".
QSettings::Format Format();

// Values come back as strings under "Section/Name" keys. Lines that are not a section or a value,
// and names outside [A-Za-z0-9_.-], are skipped; reading never fails.
bool Read(QIODevice& device, QSettings::SettingsMap& values);
// Writes every "Section/Name" key with a name the reader takes; others are dropped.
bool Write(QIODevice& device, const QSettings::SettingsMap& values);

} // namespace ProfileFormat
