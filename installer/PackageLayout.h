#pragma once

#include <QByteArray>
#include <QtGlobal>

// The byte layout of the install package appended to the setup program. All integers are 32-bit
// little-endian. The package is a start tag, then per file: its data, its name with one NUL, the
// name length L (NUL included), the data size N and a record tag. It is read from its end.
namespace PackageLayout {

constexpr qint32 StartTag = 2003;
constexpr qint32 RecordTag = 2004;
constexpr int TagSize = 4;
constexpr int MinNameLength = 2;    // one character and the NUL
constexpr int MaxNameLength = 260;  // 259 characters and the NUL
// More files than a setup program ever carries: a package that claims more is damaged.
constexpr int MaxRecords = 1024;
// Bytes a download tool may have appended after the package: searched for its last tag, no further.
constexpr qint64 MaxTrailingBytes = 64 * 1024;

// A name that can only ever land inside the folder it is extracted to, fits the layout, and reads
// as what it is: no control characters (C0, DEL, C1) and no bidirectional controls, which could
// make a listing or a message show another name. `name` is without its NUL.
bool IsSafeName(const QByteArray& name);

qint32 ReadInt32(const char* bytes);
void AppendInt32(QByteArray& out, qint32 value);

// One record in the layout, unchecked: the caller has made sure it is well-formed.
void AppendRecord(QByteArray& out, const QByteArray& name, const QByteArray& data);
void AppendTrailer(QByteArray& out, const QByteArray& name, qint32 dataSize);

} // namespace PackageLayout
