#include "DesktopEntry.h"
#include "DesktopFileCheck.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

TEST(DesktopEntries, PathsALauncherWouldNotGiveBackAreRefused)
{
    QTemporaryDir dir;
    for (const QString program : {"", "/a\nb/T", "/a\tb/T", "/a\x7f/T", "/100%/T"}) {
        EXPECT_FALSE(DesktopEntries::CanCarry(program)) << program.toStdString();
        EXPECT_FALSE(DesktopEntries::Write(dir.filePath("T.desktop"), {"T", program, "/i.png"}, FileKind::Data));
    }
    EXPECT_TRUE(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST(DesktopEntries, EntryForAProgramInAnAwkwardFolderValidatesAndLaunches)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("a b 'q' \"d\" \\ $HOME `x` ~;&|<>*?#()=");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString program = folder + "/Tilora";
    ASSERT_TRUE(WriteFileSafely(program, "#!/bin/sh\ntouch \"$0.ran\"\n", FileKind::Program));
    const QString entry = dir.filePath("Tilora.desktop");
    ASSERT_TRUE(DesktopEntries::Write(entry, {"Tilora", program, folder + "/Tilora.png"}, FileKind::Program));

    EXPECT_EQ(DesktopFileProblems(entry), "");

    EXPECT_EQ(QProcess::execute("gio", {"launch", entry}), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(program + ".ran"); }, 5000));
}
