#pragma once

#include <QByteArrayView>
#include <QList>
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
// Writes every "Section/Name" key with a name the reader takes; others are dropped. Written over
// an existing file (the device names it), everything the reader skipped stays where it was.
bool Write(QIODevice& device, const QSettings::SettingsMap& values);

// The file's text `old` with `values` written in: values kept as they were written unless they
// changed, changed ones rewritten in place, removed ones gone (and a section emptied of them with
// its header), new ones added to their section or in new sections at the end. Comments, blank
// lines, sections and names the reader skips and every line break stay byte for byte.
QByteArray Merged(QByteArrayView old, const QSettings::SettingsMap& values);

// `text` without the named sections, each from its header line up to the next header; every other
// byte as it was.
QByteArray WithoutSections(QByteArrayView text, const QList<QByteArray>& sections);
bool HoldsOnlyBlankLines(QByteArrayView text);

// The whole regular file at `path`; false when it cannot be read or is larger than MaxFileBytes.
bool ReadWithinLimit(const QString& path, QByteArray* bytes);

// Takes the named sections out of the file at `path` as above. The file is deleted when nothing
// but blank lines is left, and left untouched when it cannot be read, is too large, or holds none
// of them.
enum class Removal { Untouched, Rewritten, Deleted };
Removal RemoveSections(const QString& path, const QList<QByteArray>& sections);

} // namespace ProfileFormat
