#pragma once

#include "InstallPackage.h"
#include "PackageLayout.h"
#include "PayloadManifest.h"
#include "SafeFile.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QString>
#include <QStringList>
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

// The manifest a build would compile into setup for `records`; its digests live in `digests`.
inline PayloadManifest ManifestFor(const PackageRecords& records, std::vector<QByteArray>& digests)
{
    PayloadManifest manifest;
    digests.reserve(records.size());
    for (const auto& [name, data] : records) {
        digests.push_back(QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex());
        manifest.push_back({name.constData(), data.size(), digests.back().constData()});
    }
    return manifest;
}

// The directory's names, in its order.
inline QStringList EntryNames(const InstallPackage& package)
{
    QStringList names;
    for (int i = 0; i < package.EntryCount(); ++i)
        names << package.Entry(i).name;
    return names;
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
