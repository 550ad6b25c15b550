#pragma once

#include <QByteArray>
#include <QString>

// A file of lines that only ever grows, which several running programs may add to at once (two
// games finishing together). A line is added in one write under an exclusive lock, so lines never
// interleave and a crash can at worst cut the line being written; earlier lines are never touched.
namespace SharedLog {

// Adds line (which ends with a newline) to the end of the file, creating the file and its folder
// when missing. When the last line there was cut short, the new one starts on a fresh line.
// header is written first when the file is new or empty. A planted symbolic link is not followed.
bool AppendLine(const QString& path, const QByteArray& line, const QByteArray& header = {});

// The end of the file, at most maxBytes, from the first whole line in that window; read under a
// shared lock so a line being added is never seen half-written. Empty when there is no file.
// truncated tells whether earlier lines were left unread.
QByteArray ReadTail(const QString& path, qint64 maxBytes, bool* truncated = nullptr);

} // namespace SharedLog
