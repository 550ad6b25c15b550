#pragma once
#include <QByteArray>
#include <QString>

// Writes the bytes to the path, making its folder first; false when any step fails.
bool WriteWholeFile(const QString& path, const QByteArray& bytes);

// Both file formats store their header fields little-endian.
void PutU16(QByteArray& out, quint16 value);
void PutU32(QByteArray& out, quint32 value);
