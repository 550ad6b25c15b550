#include "InstallPackage.h"

#include "PackageLayout.h"
#include "SafeFile.h"

using namespace PackageLayout;

static_assert(InstallPackage::StartTag == PackageLayout::StartTag && InstallPackage::RecordTag == PackageLayout::RecordTag);

namespace {

const qint64 PieceSize = 4096;

// Programs are told by their first bytes: the executable format's magic or a script's "#!".
bool LooksLikeProgram(const char* data, qint64 size)
{
    return (size >= 4 && QByteArray(data, 4) == "\x7f" "ELF") || (size >= 2 && QByteArray(data, 2) == "#!");
}

} // namespace

InstallPackage::InstallPackage(const QString& path) : file_(path)
{
    file_.open(QIODevice::ReadOnly);
}

void InstallPackage::Expect(const PackageShape& shape)
{
    shape_ = shape;
    built_ = false;
}

bool InstallPackage::BuildDirectory()
{
    directory_.clear();
    built_ = true;
    damaged_ = !Walk();
    if (damaged_)
        directory_.clear();
    return !damaged_;
}

bool InstallPackage::IsDamaged()
{
    if (!built_)
        BuildDirectory();
    return damaged_;
}

bool InstallPackage::Walk()
{
    const qint64 lastTag = shape_ ? FindByShape() : FindLastTag();
    if (lastTag < 0)
        return false;
    // With a shape the start tag's place is known, and nothing of the package lies before it.
    const qint64 start = shape_ ? lastTag + TagSize - shape_->bytes : 0;
    const int maxRecords = shape_ ? shape_->records : MaxRecords;
    qint64 tagPosition = lastTag;
    char tagBytes[TagSize];
    while (tagPosition >= start && ReadAt(tagPosition, tagBytes, TagSize)) {
        const qint32 tag = ReadInt32(tagBytes);
        if (tag == StartTag)
            return !shape_ || (tagPosition == start && EntryCount() == shape_->records);
        PackageEntry entry;
        if (tag != RecordTag || EntryCount() == maxRecords || !ReadRecord(tagPosition, &entry)
            || entry.dataOffset < start + TagSize)
            return false;
        directory_.push_back(entry);
        // Records follow one another without gaps: the one before ends just before this data.
        tagPosition = entry.dataOffset - TagSize;
    }
    return false;
}

qint64 InstallPackage::FindByShape()
{
    const QByteArray& trailer = shape_->lastTrailer;
    const qint64 piece = qMax<qint64>(64 * 1024, trailer.size());
    for (qint64 end = file_.size(); end >= trailer.size();) {
        const qint64 begin = qMax<qint64>(0, end - piece);
        QByteArray bytes(end - begin, '\0');
        if (!ReadAt(begin, bytes.data(), bytes.size()))
            return -1;
        for (qsizetype at = bytes.lastIndexOf(trailer); at >= 0; at = at > 0 ? bytes.lastIndexOf(trailer, at - 1) : -1) {
            const qint64 lastTag = begin + at + trailer.size() - TagSize;
            char tag[TagSize];
            const qint64 start = lastTag + TagSize - shape_->bytes;
            if (start >= 0 && ReadAt(start, tag, TagSize) && ReadInt32(tag) == StartTag)
                return lastTag;
        }
        if (begin == 0)
            break;
        end = begin + trailer.size() - 1;  // a trailer across the two pieces is found in the next
    }
    return -1;
}

qint64 InstallPackage::FindLastTag()
{
    const qint64 length = file_.size();
    const qint64 window = qMin(length, MaxTrailingBytes + TagSize);
    const qint64 base = length - window;
    QByteArray tail(int(window), '\0');
    if (window < TagSize || !ReadAt(base, tail.data(), window))
        return -1;
    for (qint64 at = window - TagSize; at >= 0; --at) {
        const qint32 value = ReadInt32(tail.constData() + at);
        if (value == StartTag || value == RecordTag)
            return base + at;
    }
    return -1;
}

bool InstallPackage::ReadRecord(qint64 tagPosition, PackageEntry* entry)
{
    char fields[2 * TagSize];
    if (!ReadAt(tagPosition - 2 * TagSize, fields, sizeof fields))
        return false;
    const qint64 nameLength = ReadInt32(fields);
    const qint64 dataSize = ReadInt32(fields + TagSize);
    if (nameLength < MinNameLength || nameLength > MaxNameLength || dataSize < 0)
        return false;
    const qint64 nameStart = tagPosition - 2 * TagSize - nameLength;
    const qint64 dataOffset = nameStart - dataSize;
    if (dataOffset < TagSize)
        return false;
    QByteArray name(int(nameLength), '\0');
    if (!ReadAt(nameStart, name.data(), nameLength) || name.indexOf('\0') != nameLength - 1)
        return false;
    name.chop(1);
    if (!IsSafeName(name))
        return false;
    *entry = {dataOffset, nameStart, dataSize, QString::fromUtf8(name)};
    return true;
}

bool InstallPackage::ReadAt(qint64 position, char* buffer, qint64 size)
{
    return file_.isOpen() && file_.seek(position) && file_.read(buffer, size) == size;
}

const PackageEntry* InstallPackage::FindEntry(const QString& name)
{
    if (!built_)
        BuildDirectory();
    for (const PackageEntry& entry : directory_) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

bool InstallPackage::ExtractFile(const QString& name, const QString& folder)
{
    const PackageEntry* entry = FindEntry(name);
    if (!entry)
        return false;
    // Joined by hand: QDir would take a name starting with ':' for a resource path and drop the folder.
    SafeFileWriter output(folder + QLatin1Char('/') + entry->name);
    bool program = false;
    bool first = true;
    const bool copied = ReadEntry(*entry, [&](const char* data, qint64 size) {
        if (first)
            program = LooksLikeProgram(data, size);
        first = false;
        return output.Write(data, size);
    });
    return copied && output.Commit(program ? FileKind::Program : FileKind::Data);
}

bool InstallPackage::ReadEntry(const PackageEntry& entry, const std::function<bool(const char*, qint64)>& sink)
{
    if (!file_.isOpen() || !file_.seek(entry.dataOffset))
        return false;
    char piece[PieceSize];
    for (qint64 left = entry.dataSize; left > 0;) {
        const qint64 read = file_.read(piece, qMin(left, PieceSize));
        if (read <= 0 || !sink(piece, read))
            return false;
        left -= read;
    }
    return true;
}
