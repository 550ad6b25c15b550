#include "InstallPackage.h"
#include "PackageFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace PackageLayout;

namespace {

QByteArray Int32(qint32 value)
{
    QByteArray bytes;
    AppendInt32(bytes, value);
    return bytes;
}

// A record whose fields are given one by one, however wrong.
QByteArray RawRecord(const QByteArray& data, const QByteArray& nameBytes, qint32 nameLength, qint32 dataSize)
{
    return data + nameBytes + Int32(nameLength) + Int32(dataSize) + Int32(RecordTag);
}

class InstallPackageTest : public ::testing::Test {
protected:
    QString Write(const QByteArray& bytes) { return WriteTestFile(dir_.filePath("setup"), bytes); }
    QStringList Extracted() const
    {
        return QDir(dir_.filePath("out")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    void SetUp() override { ASSERT_TRUE(QDir(dir_.path()).mkdir("out")); }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(InstallPackageTest, WellFormedPackagesGiveTheirEntriesLastStoredFirst)
{
    const QByteArray longName(259, 'n');
    const QByteArray padding(1000, 'x');
    const struct {
        const char* what;
        QByteArray bytes;
        QStringList names;
    } cases[] = {
        {"only a start tag", PackageBytes({}), {}},
        {"delivered order", PackageBytes({{"Tilora.cnt", "c"}, {"Tilora", "\x7f" "ELF"}, {"Uninstaller", "u"}}),
         {"Uninstaller", "Tilora", "Tilora.cnt"}},
        {"empty entry", PackageBytes({{"a", "1"}, {"empty", ""}}), {"empty", "a"}},
        {"duplicate names", PackageBytes({{"same", "old"}, {"same", "new"}}), {"same", "same"}},
        {"bytes appended", PackageBytes({{"a", "1"}, {"b", "22"}}) + padding, {"b", "a"}},
        {"longest name", PackageBytes({{longName, "d"}}), {QString::fromLatin1(longName)}},
    };
    for (const auto& c : cases) {
        InstallPackage package(Write(c.bytes));
        EXPECT_TRUE(package.BuildDirectory()) << c.what;
        EXPECT_EQ(EntryNames(package), c.names) << c.what;
    }
}

TEST_F(InstallPackageTest, ExtractionCopiesTheEntryTakingTheLastStoredOfTwinsAndMakesProgramsRunnable)
{
    const mode_t umask = ::umask(027);
    const QByteArray program = "#!/bin/sh\n" + QByteArray(10000, '#');
    InstallPackage package(Write(PackageBytes({{"same", "old"}, {"same", "new"}, {"Tilora", program}, {"e", ""}})));
    const QString out = dir_.filePath("out");
    for (const char* name : {"same", "Tilora", "e"})
        EXPECT_TRUE(package.ExtractFile(name, out)) << name;
    EXPECT_EQ(FileBytes(out + "/same"), "new");
    EXPECT_EQ(FileBytes(out + "/Tilora"), program);
    EXPECT_EQ(FileBytes(out + "/e"), "");
    ::umask(umask);
    const auto mode = [](const QString& path) { struct stat s {}; return ::stat(QFile::encodeName(path), &s) ? 0 : s.st_mode & 07777; };
    EXPECT_EQ(mode(out + "/Tilora"), 0750u);
    EXPECT_EQ(mode(out + "/same"), 0640u);
    EXPECT_FALSE(package.ExtractFile("absent", out));
    EXPECT_EQ(Extracted(), (QStringList{"Tilora", "e", "same"}));
}

TEST_F(InstallPackageTest, AShortReadFailsAndLeavesNoPartialFile)
{
    const QString path = Write(PackageBytes({{"big", QByteArray(20000, 'b')}, {"last", "l"}}));
    InstallPackage package(path);
    ASSERT_TRUE(package.BuildDirectory());
    // The file shrinks under the reader: the data of "big" now ends early.
    ASSERT_TRUE(QFile::resize(path, 9000));
    EXPECT_FALSE(package.ExtractFile("big", dir_.filePath("out")));
    EXPECT_TRUE(Extracted().isEmpty());
}

TEST_F(InstallPackageTest, DamagedPackagesAreRefusedWholeAndNothingIsWritten)
{
    const QByteArray start = "STUB" + Int32(StartTag);
    const QByteArray good = RawRecord("ok", QByteArray("good\0", 5), 5, 2);
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"no tag at all", QByteArray(5000, 'z')},
        {"no start tag", "STUB" + good},
        {"empty name", start + RawRecord("d", QByteArray("\0", 1), 1, 1)},
        {"name length 261", start + RawRecord("d", QByteArray(260, 'n') + '\0', 261, 1)},
        {"negative size", start + RawRecord("", QByteArray("n\0", 2), 2, -1)},
        {"size before the start tag", start + RawRecord("d", QByteArray("n\0", 2), 2, 100)},
        {"size over the start tag", start + RawRecord("d", QByteArray("n\0", 2), 2, 5)},
        {"name without its NUL", start + RawRecord("d", "nn", 2, 1)},
        {"NUL inside the name", start + RawRecord("d", QByteArray("a\0b\0", 4), 4, 1)},
        {"gap between records", start + good + "x" + good},
        {"tag out of reach", PackageBytes({{"a", "1"}}) + QByteArray(MaxTrailingBytes + 1, 'x')},
        {"dot", PackageBytes({{"a", "1"}, {".", "d"}})},
        {"dot dot", PackageBytes({{"..", "d"}})},
        {"folder in the name", PackageBytes({{"a", "1"}, {"sub/Tilora", "d"}})},
        {"backslash", PackageBytes({{"..\\Tilora", "d"}})},
        {"line break", PackageBytes({{"Til\nora", "d"}})},
        {"escape character", PackageBytes({{"Til\x1bora", "d"}})},
        {"not text", PackageBytes({{"Til\xff", "d"}})},
        {"C1 control", PackageBytes({{"Til\xC2\x85ora", "d"}})},
        {"bidirectional override", PackageBytes({{"gnp.\xE2\x80\xAETilora", "d"}})},
        {"bidirectional isolate", PackageBytes({{"\xE2\x81\xA6Tilora", "d"}})},
        {"more records than a setup carries", PackageBytes(PackageRecords(MaxRecords + 1, {"a", "1"}))},
    };
    for (const auto& c : cases) {
        InstallPackage package(Write(c.bytes));
        EXPECT_FALSE(package.BuildDirectory()) << c.what;
        EXPECT_EQ(package.EntryCount(), 0) << c.what;
        EXPECT_FALSE(package.ExtractFile("a", dir_.filePath("out"))) << c.what;
    }
    EXPECT_TRUE(Extracted().isEmpty());
}
