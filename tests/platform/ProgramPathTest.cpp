#include "ProgramPath.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <gtest/gtest.h>

TEST(OwnProgramPath, IsTheRunningProgramsFile)
{
    EXPECT_EQ(OwnProgramPath(), QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath());
}
