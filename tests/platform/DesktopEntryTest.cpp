#include "DesktopEntry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

TEST(DesktopEntries, ExecQuotesArgumentsWithReservedCharactersAndEscapesForTheFile)
{
    const std::pair<QString, QString> cases[] = {
        {"/opt/Tilora/Tilora", "/opt/Tilora/Tilora"},
        {"/home/a b/Tilora", "\"/home/a b/Tilora\""},
        {"/x/it's/T", "\"/x/it's/T\""},
        {"/x/\"q\"/T", "\"/x/\\\\\"q\\\\\"/T\""},
        {"/x/a\\b/T", "\"/x/a\\\\\\\\b/T\""},
        {"/x/$HOME `id`/T", "\"/x/\\\\$HOME \\\\`id\\\\`/T\""},
        {"/x/a=b/T", "\"/x/a=b/T\""},
    };
    for (const auto& [program, exec] : cases)
        EXPECT_EQ(DesktopEntries::ExecValue(program), exec) << program.toStdString();
}

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

    QProcess validate;
    validate.start("desktop-file-validate", {entry});
    ASSERT_TRUE(validate.waitForFinished());
    EXPECT_EQ(validate.exitCode(), 0);
    EXPECT_EQ(validate.readAll(), "");

    EXPECT_EQ(QProcess::execute("gio", {"launch", entry}), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(program + ".ran"); }, 5000));
}
