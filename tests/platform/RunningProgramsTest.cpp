#include "RunningPrograms.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(IsProgramRunning, SeesAProcessOfTheFileEvenOnceTheFileIsRemoved)
{
    QTemporaryDir dir;
    const QString program = dir.filePath("Tilora");
    ASSERT_TRUE(QFile::copy("/bin/sleep", program));
    EXPECT_FALSE(IsProgramRunning(program));

    QProcess process;
    process.start(program, {"30"});
    ASSERT_TRUE(process.waitForStarted());
    EXPECT_TRUE(IsProgramRunning(program));
    EXPECT_TRUE(IsProgramRunning(dir.path() + "/./Tilora"));
    EXPECT_FALSE(IsProgramRunning(dir.filePath("Tilora2")));
    QFile::remove(program);
    EXPECT_TRUE(IsProgramRunning(program));

    process.kill();
    process.waitForFinished();
    EXPECT_FALSE(IsProgramRunning(program));
}
