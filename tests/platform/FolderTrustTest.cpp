#include "FolderTrust.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

// Another user's folder is made for real by giving it away, which needs root (as CI runs).
TEST(FolderTrust, FindsTheFirstFolderAnotherUserControls)
{
    QTemporaryDir dir;
    const QString root = QDir(dir.path()).canonicalPath();
    const auto make = [&](const char* name, mode_t mode, uid_t owner) {
        const QByteArray path = QFile::encodeName(root + '/' + name);
        return QDir().mkpath(path) && ::chmod(path, mode) == 0 && ::chown(path, owner, -1) == 0;
    };
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a folder to another user needs root";
    ASSERT_TRUE(make("mine", 0755, 0) && make("shared", 0777, 0) && make("sticky", 01777, 0) && make("group", 0775, 0)
                && make("theirs", 0755, 65534));
    QFile::link(root + "/theirs", root + "/mine/to-theirs");
    QFile::link(root + "/mine", root + "/sticky/to-mine");
    const std::pair<const char*, const char*> cases[] = {{"mine", ""}, {"mine/new/Tilora", ""}, {"sticky/Tilora", ""},
        {"sticky/to-mine/Tilora", ""}, {"shared", "shared"}, {"shared/Tilora", "shared"}, {"group", "group"},
        {"sticky", "sticky"}, {"theirs", "theirs"}, {"mine/to-theirs/Tilora", "theirs"}};
    for (const auto& [folder, foreign] : cases)
        EXPECT_EQ(FolderTrust::FirstForeignFolder(root + '/' + folder), *foreign ? root + '/' + foreign : "") << folder;
}
