#include "TableFile.h"

#include "UserFiles.h"
#include "SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Larger than any tables we make: a file beyond it is not even read.
constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

} // namespace

QString TableFilePath()
{
    return UserFiles::CacheFolder() + '/' + UserFiles::SlideTables;
}

TableStore TableFileStore(const QString& path)
{
    TableStore store;
    store.load = [path]() -> std::optional<std::vector<std::uint8_t>> {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
            return std::nullopt;
        const QByteArray bytes = file.read(MaxFileSize);
        return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
    };
    store.save = [path](const std::vector<std::uint8_t>& bytes) {
        // A cache that cannot be written only costs the next run the time to build again.
        if (QDir().mkpath(QFileInfo(path).absolutePath()))
            WriteFileSafely(path, QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())),
                            FileKind::Data);
    };
    return store;
}
