#include "PrivateCopy.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool CopyInto(int target, QFile& source)
{
    char buffer[4096];
    qint64 read = 0;
    while ((read = source.read(buffer, sizeof buffer)) > 0) {
        for (const char* data = buffer; read > 0;) {
            const ssize_t written = ::write(target, data, size_t(read));
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return false;
            data += written;
            read -= written;
        }
    }
    return read == 0;
}

} // namespace

QString CopyProgramPrivately(const QString& source, const QString& folder, const QString& name)
{
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly))
        return QString();
    QByteArray unique = QFile::encodeName(folder + '/' + name + "-XXXXXX");
    const int target = ::mkostemp(unique.data(), O_CLOEXEC);
    if (target < 0)
        return QString();
    const bool copied = CopyInto(target, input) && ::fchmod(target, 0700) == 0;
    if (::close(target) != 0 || !copied) {
        ::unlink(unique.constData());
        return QString();
    }
    const QString final = folder + '/' + name;
    if (::rename(unique.constData(), QFile::encodeName(final).constData()) == 0)
        return final;
    return QFile::decodeName(unique);
}
