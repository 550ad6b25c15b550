#pragma once

#include <QFile>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

// One file of the package, as the directory lists it. Offsets count from the start of the file
// that carries the package.
struct PackageEntry {
    qint64 dataOffset = 0;
    qint64 dataEnd = 0;  // one past the last data byte, where the name begins
    qint64 dataSize = 0;
    QString name;
};

// What a package must be, where the program reading it knows: setup, from its compiled manifest.
struct PackageShape {
    int records = 0;
    qint64 bytes = 0;        // from the start tag to the last record tag, both included
    QByteArray lastTrailer;  // the last stored record's name, NUL, name length, data size and tag
};

// Reads the install package at the end of a file (the setup program's own): builds its directory
// and copies entries out. A package that does not hold together (no start tag, a record that
// reaches outside the package or leaves a gap, a name that could point outside the destination)
// is damaged as a whole: its directory stays empty and nothing can be extracted.
class InstallPackage {
public:
    static constexpr qint32 StartTag = 2003;
    static constexpr qint32 RecordTag = 2004;

    explicit InstallPackage(const QString& path);

    // From now on the package is found by its shape: its last trailer is looked for from the end of
    // the file, whatever follows it, and the walk stops as soon as the package holds more records or
    // more bytes than the shape says. Without a shape the last tag is looked for within
    // MaxTrailingBytes of the end, and a package of more than MaxRecords records is damaged.
    void Expect(const PackageShape& shape);

    // Walks the package from its end. False when it is damaged or cannot be read.
    bool BuildDirectory();
    bool IsDamaged();

    int EntryCount() const { return int(directory_.size()); }
    const PackageEntry& Entry(int index) const { return directory_.at(size_t(index)); }

    // The first entry of that name in directory order (the one stored last), or null.
    const PackageEntry* FindEntry(const QString& name);

    // Copies the entry called `name` into `folder`, replacing a file of that name. Programs become
    // executable. False, with no file left behind, when there is no such entry or the copy failed.
    bool ExtractFile(const QString& name, const QString& folder);

    // Hands the entry's data to `sink` piece by piece. False on a short read or when `sink` says so.
    bool ReadEntry(const PackageEntry& entry, const std::function<bool(const char*, qint64)>& sink);

private:
    bool Walk();
    qint64 FindLastTag();
    qint64 FindByShape();
    bool ReadRecord(qint64 tagPosition, PackageEntry* entry);
    bool ReadAt(qint64 position, char* buffer, qint64 size);

    QFile file_;
    std::optional<PackageShape> shape_;
    std::vector<PackageEntry> directory_;
    bool built_ = false;
    bool damaged_ = false;
};
