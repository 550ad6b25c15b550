#include "SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

int Mode(const QString& path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

} // namespace

TEST(SafeFileWriter, ReplacesAPlantedLinkAndLeavesItsTargetAlone)
{
    QTemporaryDir dir;
    const QString victim = dir.filePath("victim");
    const QString name = dir.filePath("Tilora");
    for (const auto& [kind, mode] : {std::pair{FileKind::Data, 0644}, std::pair{FileKind::Program, 0755}}) {
        QFile::remove(name);
        ASSERT_TRUE(WriteFileSafely(victim, "keep", FileKind::Data));
        ASSERT_TRUE(QFile::link(victim, name));

        EXPECT_TRUE(WriteFileSafely(name, "new", kind));
        EXPECT_FALSE(QFileInfo(name).isSymLink());
        EXPECT_EQ(Contents(name), "new");
        EXPECT_EQ(Mode(name), mode);
        EXPECT_EQ(Contents(victim), "keep");
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}
