#include "PackageBuilder.h"

#include "PackageLayout.h"
#include "SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <limits>

namespace {

// Copies the whole file, which must still be `expectedSize` bytes long (as its record says).
bool CopyInto(SafeFileWriter& out, const QString& path, qint64 expectedSize, QString* error)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = "cannot read " + path;
        return false;
    }
    char piece[64 * 1024];
    qint64 read = 0;
    qint64 copied = 0;
    while ((read = in.read(piece, sizeof piece)) > 0) {
        if (!out.Write(piece, read))
            break;
        copied += read;
    }
    if (read != 0 || (expectedSize >= 0 && copied != expectedSize)) {
        *error = "cannot copy " + path;
        return false;
    }
    return true;
}

bool CheckPayloadFile(const QString& path, QString* error)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        *error = path + " is not a file";
        return false;
    }
    if (!PackageLayout::IsSafeName(QFile::encodeName(info.fileName()))) {
        *error = "the name of " + path + " cannot be stored in a package";
        return false;
    }
    if (info.size() > std::numeric_limits<qint32>::max()) {
        *error = path + " is too large for a package";
        return false;
    }
    return true;
}

} // namespace

bool BuildPackageFile(const QString& stubPath, const QStringList& files, const QString& outPath, QString* error)
{
    if (files.size() > PackageLayout::MaxRecords) {
        *error = "a package holds at most " + QString::number(PackageLayout::MaxRecords) + " files";
        return false;
    }
    for (const QString& path : files) {
        if (!CheckPayloadFile(path, error))
            return false;
    }
    SafeFileWriter out(outPath);
    QByteArray startTag;
    PackageLayout::AppendInt32(startTag, PackageLayout::StartTag);
    if (!CopyInto(out, stubPath, -1, error) || !out.Write(startTag.constData(), startTag.size()))
        return false;
    for (const QString& path : files) {
        const QFileInfo info(path);
        QByteArray trailer;
        PackageLayout::AppendTrailer(trailer, QFile::encodeName(info.fileName()), qint32(info.size()));
        if (!CopyInto(out, path, info.size(), error) || !out.Write(trailer.constData(), trailer.size()))
            return false;
    }
    if (!out.Commit(FileKind::Program)) {
        *error = "cannot write " + outPath;
        return false;
    }
    return true;
}
