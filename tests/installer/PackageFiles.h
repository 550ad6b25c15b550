#pragma once

#include "PackageLayout.h"
#include "SafeFile.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <utility>
#include <vector>

// Packages made byte by byte, so that tests can also make the malformed ones no builder would.
using PackageRecords = std::vector<std::pair<QByteArray, QByteArray>>;  // name, data; storage order

inline QByteArray PackageBytes(const PackageRecords& records, const QByteArray& stub = "STUB-PROGRAM")
{
    QByteArray bytes = stub;
    PackageLayout::AppendInt32(bytes, PackageLayout::StartTag);
    for (const auto& [name, data] : records)
        PackageLayout::AppendRecord(bytes, name, data);
    return bytes;
}

inline QString WriteTestFile(const QString& path, const QByteArray& bytes, FileKind kind = FileKind::Data)
{
    return WriteFileSafely(path, bytes, kind) ? path : QString();
}

inline QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
