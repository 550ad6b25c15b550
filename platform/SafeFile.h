#pragma once

#include <QByteArray>
#include <QString>

// Whether a written file may be run: programs get rwxr-xr-x, everything else rw-r--r--, both less
// the umask.
enum class FileKind { Data, Program };

// Writes a file so that nobody ever sees it half-written. The bytes go to a new file created
// exclusively in the same folder; Commit flushes it to the disk and renames it over the final name.
// A symbolic link planted at that name is replaced, never followed, and a program running from the
// old file keeps it. Whatever is not committed is removed when the writer ends.
class SafeFileWriter {
public:
    explicit SafeFileWriter(const QString& path);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // False once any write has failed (or the file could not be created); later writes do nothing.
    bool Write(const char* data, qint64 size);
    bool Commit(FileKind kind);

private:
    void Discard();

    QString path_;
    QByteArray tempPath_;
    int fd_ = -1;
    bool failed_ = false;
};

// The whole of `bytes` as the file at `path`, written as above.
bool WriteFileSafely(const QString& path, const QByteArray& bytes, FileKind kind);
