#include "SharedLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Another game holding the lock for long (stopped in a debugger, hung) must not hang this one:
// after a while the lock is given up on. A writer then leaves its line out; a reader reads
// anyway, and at worst sees the last line cut, which it skips.
bool LockWithin(int fd, int lock)
{
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (::flock(fd, lock | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        ::usleep(10000);
    }
    return false;
}

// A descriptor that is closed (and so unlocked) however the function leaves.
class LockedFile {
public:
    LockedFile(const QString& path, int flags, int lock)
    {
        fd_ = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd_ < 0)
            return;
        if (!LockWithin(fd_, lock) && lock == LOCK_EX) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~LockedFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

    int Fd() const { return fd_; }
    // A regular file: a fifo or a device planted at the name is neither read nor written.
    bool IsRegular(off_t* size) const
    {
        struct stat info {};
        if (fd_ < 0 || ::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode))
            return false;
        *size = info.st_size;
        return true;
    }

private:
    int fd_ = -1;
};

bool EndsWithNewline(int fd, off_t size)
{
    char last = '\n';
    return size == 0 || (::pread(fd, &last, 1, size - 1) == 1 && last == '\n');
}

} // namespace

namespace SharedLog {

bool AppendLine(const QString& path, const QByteArray& line, const QByteArray& header)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const LockedFile file(path, O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK, LOCK_EX);
    off_t size = 0;
    if (!file.IsRegular(&size))
        return false;
    QByteArray bytes;
    if (size == 0)
        bytes += header;
    else if (!EndsWithNewline(file.Fd(), size))
        bytes += '\n';
    bytes += line;
    // One write: with O_APPEND it lands whole at the end, and the lock keeps other writers out.
    ssize_t written;
    do
        written = ::write(file.Fd(), bytes.constData(), size_t(bytes.size()));
    while (written < 0 && errno == EINTR);
    if (written != bytes.size()) {
        // A short write (a full disk) leaves a cut line; the next append starts afresh after it.
        return false;
    }
    return ::fdatasync(file.Fd()) == 0;
}

QByteArray ReadTail(const QString& path, qint64 maxBytes, bool* truncated)
{
    if (truncated)
        *truncated = false;
    const LockedFile file(path, O_RDONLY | O_NONBLOCK, LOCK_SH);
    off_t size = 0;
    if (!file.IsRegular(&size) || maxBytes <= 0)
        return {};
    const off_t start = size > maxBytes ? size - maxBytes : 0;
    QByteArray bytes(qsizetype(size - start), Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::pread(file.Fd(), bytes.data() + filled, size_t(bytes.size() - filled), start + filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    if (start > 0) {
        // The window began inside a line: that part of a line is not a record.
        char before = 0;
        const bool atLineStart = ::pread(file.Fd(), &before, 1, start - 1) == 1 && before == '\n';
        if (!atLineStart) {
            const qsizetype newline = bytes.indexOf('\n');
            bytes.remove(0, newline < 0 ? bytes.size() : newline + 1);
        }
        if (truncated)
            *truncated = true;
    }
    return bytes;
}

} // namespace SharedLog
