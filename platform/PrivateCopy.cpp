#include "PrivateCopy.h"

#include "FolderTrust.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
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

QString FolderOf(const QString& path)
{
    return path.left(path.lastIndexOf('/'));
}

} // namespace

QString TemporaryFolder()
{
    const QString folder = QFile::decodeName(qgetenv("TMPDIR"));
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QStringLiteral("/tmp");
}

QString CopyProgramPrivately(const QString& source, const QString& parent, const QString& name)
{
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly))
        return QString();
    QByteArray folder = QFile::encodeName(parent + '/' + name + "-XXXXXX");
    if (!::mkdtemp(folder.data()))
        return QString();
    const QByteArray copy = folder + '/' + QFile::encodeName(name);
    const int target = ::open(copy.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0700);
    bool copied = target >= 0 && CopyInto(target, input) && ::fchmod(target, 0700) == 0;
    if (target >= 0)
        copied = ::close(target) == 0 && copied;
    if (!copied) {
        ::unlink(copy.constData());
        ::rmdir(folder.constData());
        return QString();
    }
    return QFile::decodeName(copy);
}

bool IsPrivateCopy(const QString& path, const QString& name)
{
    const QString folder = FolderOf(path);
    const QString folderName = QFileInfo(folder).fileName();
    struct stat info {};
    return QFileInfo(path).fileName() == name && folderName.size() == name.size() + 7
           && folderName.startsWith(name + '-') && ::lstat(QFile::encodeName(folder).constData(), &info) == 0
           && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

void RemovePrivateCopy(const QString& path)
{
    QFile::remove(path);
    QDir().rmdir(FolderOf(path));
}

std::optional<int> RunInPrivateFolderIfShared(const QString& own, const QString& name, char** argv)
{
    if (own.isEmpty() || IsPrivateCopy(own, name) || FolderTrust::FirstForeignFolder(FolderOf(own)).isEmpty())
        return std::nullopt;
    const QString copy = CopyProgramPrivately(own, TemporaryFolder(), name);
    const QByteArray program = QFile::encodeName(copy);
    pid_t child = 0;
    int status = 0;
    extern char** environ;
    const bool ran = !copy.isEmpty() && ::posix_spawn(&child, program.constData(), nullptr, nullptr, argv, environ) == 0
                     && ::waitpid(child, &status, 0) == child;
    if (!copy.isEmpty())
        RemovePrivateCopy(copy);
    if (!ran) {
        std::fprintf(stderr, "%s: other users can change the folder this program is in, and a private copy of it "
                             "could not be run. Move it into a folder of your own.\n", program.constData());
        return 1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
