// The install package reader over any file: build the directory, extract every entry into a
// fresh folder, and nothing is written anywhere else.
#include "FuzzSupport.h"
#include "InstallPackage.h"
#include "PackageLayout.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <climits>

namespace {

// Everything under `folder`, recursively, with sizes, so a stray or grown file shows.
QStringList Listing(const QString& folder)
{
    QStringList listing;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        listing << it.filePath() + " " + QString::number(it.fileInfo().size());
    }
    listing.sort();
    return listing;
}

bool IsPlainFileName(const QString& name)
{
    if (name.isEmpty() || name == "." || name == "..")
        return false;
    for (QChar c : name) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F) || c == '/' || c == '\\' || u == 0x061C || u == 0x200E || u == 0x200F
            || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069))
            return false;
    }
    return true;
}

qint32 Int32At(const QByteArray& input, qint64 at)
{
    return PackageLayout::ReadInt32(input.constData() + at);
}

// Each entry lies inside the file, and the records meet without gaps: the first stored right after
// the start tag, each later one right after the record tag before it. Each trailer is the name with
// its NUL, L, N and the record tag, and at most the allowed trailing bytes follow the last.
void CheckDirectory(const InstallPackage& package, const QByteArray& input)
{
    using namespace PackageLayout;
    const int count = package.EntryCount();
    FUZZ_CHECK(count <= MaxRecords);
    qint64 recordEnd = 0;
    for (int index = count - 1; index >= 0; --index) {
        const PackageEntry& entry = package.Entry(index);
        FUZZ_CHECK(IsPlainFileName(entry.name));
        const QByteArray name = entry.name.toUtf8();
        FUZZ_CHECK(entry.dataSize >= 0 && entry.dataOffset >= TagSize);
        FUZZ_CHECK(entry.dataEnd == entry.dataOffset + entry.dataSize);
        FUZZ_CHECK(index == count - 1 || entry.dataOffset == recordEnd);
        recordEnd = entry.dataEnd + name.size() + 1 + 3 * TagSize;
        FUZZ_CHECK(recordEnd <= input.size());
        FUZZ_CHECK(index < count - 1 || Int32At(input, entry.dataOffset - TagSize) == StartTag);
        FUZZ_CHECK(input.mid(entry.dataEnd, name.size() + 1) == name + '\0');
        FUZZ_CHECK(Int32At(input, recordEnd - 3 * TagSize) == name.size() + 1);
        FUZZ_CHECK(Int32At(input, recordEnd - 2 * TagSize) == entry.dataSize);
        FUZZ_CHECK(Int32At(input, recordEnd - TagSize) == RecordTag);
    }
    FUZZ_CHECK(count == 0 || input.size() - recordEnd <= MaxTrailingBytes);
}

// Every name lands in `folder` as exactly the bytes of the entry it finds (the first of that name
// in directory order), executable when it starts like a program. A name longer than a file name
// can be fails cleanly.
void CheckExtraction(InstallPackage& package, const QByteArray& input, const QString& folder)
{
    QSet<QString> extracted;
    for (int index = 0; index < package.EntryCount(); ++index) {
        const QString name = package.Entry(index).name;
        const bool fits = name.toUtf8().size() <= NAME_MAX;
        FUZZ_CHECK(package.ExtractFile(name, folder) == fits);
        if (fits)
            extracted.insert(name);
    }
    FUZZ_CHECK(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).size()
               == extracted.size());
    for (const QString& name : extracted) {
        const PackageEntry* entry = package.FindEntry(name);
        FUZZ_CHECK(entry);
        QFile file(folder + QLatin1Char('/') + name);
        FUZZ_CHECK(file.open(QIODevice::ReadOnly));
        const QByteArray data = input.mid(entry->dataOffset, entry->dataSize);
        FUZZ_CHECK(file.readAll() == data);
        const bool program = data.startsWith("\x7f" "ELF") || data.startsWith("#!");
        FUZZ_CHECK(bool(file.permissions() & QFileDevice::ExeOwner) == program);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QString scratch = Fuzz::ScratchFolder();
    static const QString path = scratch + "/input.setup";
    FUZZ_CHECK(Fuzz::WriteFile(path, data, size));
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList before = Listing(scratch);
    {
        QTemporaryDir folder(scratch + "/extract-XXXXXX");
        FUZZ_CHECK(folder.isValid());
        InstallPackage package(path);
        const bool accepted = package.BuildDirectory();
        FUZZ_CHECK(accepted == !package.IsDamaged());
        FUZZ_CHECK(accepted || package.EntryCount() == 0);
        if (accepted) {
            CheckDirectory(package, input);
            CheckExtraction(package, input, folder.path());
        }
        // Not in the directory (or a refused package): nothing to extract, nothing written.
        const QString absent = accepted ? "absent-" + QString::number(package.EntryCount()) : "Tilora";
        if (!package.FindEntry(absent)) {
            const QStringList inside = Listing(folder.path());
            FUZZ_CHECK(!package.ExtractFile(absent, folder.path()));
            FUZZ_CHECK(Listing(folder.path()) == inside);
        }
    }
    FUZZ_CHECK(Listing(scratch) == before);
    return 0;
}
