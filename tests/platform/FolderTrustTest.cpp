#include "FolderTrust.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

// Folders another user controls, made for real: as root by giving them away, otherwise by asking
// for a player the folders do not belong to.
TEST(FolderTrust, FindsTheFirstFolderAnotherUserControls)
{
    QTemporaryDir dir;
    const QString root = QDir(dir.path()).canonicalPath();
    const bool asRoot = ::geteuid() == 0;
    const uid_t other = 65534;
    const auto make = [&](const char* name, mode_t mode, bool foreign = false) {
        const QString path = root + '/' + name;
        QDir().mkpath(path);
        ::chmod(QFile::encodeName(path).constData(), mode);
        if (foreign && asRoot)
            EXPECT_EQ(::chown(QFile::encodeName(path).constData(), other, other), 0);
        return path;
    };
    const QString mine = make("mine", 0755), shared = make("shared", 0777), sticky = make("sticky", 01777);
    const QString group = make("group", 0775), theirs = make("theirs", 0755, true);
    QFile::link(theirs, mine + "/to-theirs");
    QFile::link(mine, sticky + "/to-mine");
    const uid_t player = asRoot ? 0 : ::geteuid();
    const std::pair<QString, QString> cases[] = {
        {mine, ""},
        {mine + "/new/Tilora", ""},
        {sticky + "/Tilora", ""},
        {sticky + "/to-mine/Tilora", ""},
        {shared, shared},
        {shared + "/Tilora", shared},
        {group, group},
        {sticky, sticky},  // others can still add files to it
        {mine + "/to-theirs", theirs},
        {mine + "/to-theirs/Tilora", theirs},
    };
    for (const auto& [folder, foreign] : cases)
        EXPECT_EQ(FolderTrust::FirstForeignFolder(folder, player), foreign) << folder.toStdString();
    if (asRoot)
        EXPECT_EQ(FolderTrust::FirstForeignFolder(theirs, player), theirs);
    else  // a folder of the player's own, asked about for somebody else
        EXPECT_FALSE(FolderTrust::FirstForeignFolder(mine, ::geteuid() + 1).isEmpty());
}
