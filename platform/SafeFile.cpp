#include "SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The process's umask, read without changing it (umask() would, for a moment, for every thread).
mode_t CurrentUmask()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (QByteArray line; !(line = status.readLine()).isEmpty();) {
            if (line.startsWith("Umask:"))
                return mode_t(line.mid(6).trimmed().toUInt(nullptr, 8) & 0777);
        }
    }
    return 022;
}

} // namespace

SafeFileWriter::SafeFileWriter(const QString& path) : path_(path)
{
    // A short name of our own, so a final name near the length limit still leaves room for it.
    QByteArray pattern = QFile::encodeName(QFileInfo(path).absolutePath() + "/.tilora-new-XXXXXX");
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ >= 0)
        tempPath_ = pattern;
    else
        failed_ = true;
}

SafeFileWriter::~SafeFileWriter()
{
    Discard();
}

bool SafeFileWriter::Write(const char* data, qint64 size)
{
    while (!failed_ && size > 0) {
        const ssize_t written = ::write(fd_, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            failed_ = true;
            break;
        }
        data += written;
        size -= written;
    }
    return !failed_;
}

bool SafeFileWriter::Commit(FileKind kind)
{
    if (failed_)
        return false;
    // Less the umask, as cp and tar do: a player who keeps their files to themselves gets them so.
    const mode_t mode = (kind == FileKind::Program ? 0755 : 0644) & ~CurrentUmask();
    // Closing can report a delayed write error, so it is checked like the rest.
    const bool written = ::fchmod(fd_, mode) == 0 && ::fsync(fd_) == 0;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (!written || !closed || ::rename(tempPath_.constData(), QFile::encodeName(path_).constData()) != 0) {
        failed_ = true;
        return false;
    }
    tempPath_.clear();
    // The rename itself lives in the folder; make it as durable as the contents.
    const int folder = ::open(QFile::encodeName(QFileInfo(path_).absolutePath()).constData(), O_RDONLY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

void SafeFileWriter::Discard()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!tempPath_.isEmpty())
        ::unlink(tempPath_.constData());
    tempPath_.clear();
}

bool WriteFileSafely(const QString& path, const QByteArray& bytes, FileKind kind)
{
    SafeFileWriter writer(path);
    return writer.Write(bytes.constData(), bytes.size()) && writer.Commit(kind);
}
