#include "InstallPackage.h"
#include "PackageBuilder.h"
#include "PackageFiles.h"
#include "PayloadManifest.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace PackageLayout;

namespace {

class PackageBuilderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        stub_ = WriteTestFile(dir_.filePath("stub"), "\x7f" "ELF stub program", FileKind::Program);
        for (const auto& [name, data] : payload_)
            files_ << WriteTestFile(dir_.filePath(name), data);
    }
    QString Build(const QString& outName, const QStringList& files)
    {
        QString error;
        return BuildPackageFile(stub_, files, dir_.filePath(outName), &error) ? dir_.filePath(outName) : error;
    }

    QTemporaryDir dir_;
    QString stub_;
    const PackageRecords payload_ = {{"Tilora.cnt", "contents"}, {"Tilora", QByteArray(9000, 'g')}, {"empty", ""}};
    QStringList files_;
};

} // namespace

TEST_F(PackageBuilderTest, BuildsTheLayoutTheReaderReadsTheSameEveryTime)
{
    const QString first = Build("setup1", files_);
    EXPECT_EQ(FileBytes(first), PackageBytes(payload_, FileBytes(stub_)));
    EXPECT_EQ(FileBytes(first), FileBytes(Build("setup2", files_)));
    EXPECT_TRUE(QFileInfo(first).isExecutable());
    InstallPackage package(first);
    ASSERT_TRUE(package.BuildDirectory());
    EXPECT_EQ(EntryNames(package), (QStringList{"empty", "Tilora", "Tilora.cnt"}));
}

TEST_F(PackageBuilderTest, RefusesWhatTheReaderWouldRefuse)
{
    const QString badName = WriteTestFile(dir_.filePath("line\nbreak"), "x");
    for (const QString& file : {badName, dir_.path(), dir_.filePath("absent")})
        EXPECT_EQ(Build("refused", files_ + QStringList{file}).isEmpty(), false);
    EXPECT_FALSE(QFileInfo::exists(dir_.filePath("refused")));
}

// Names of any bytes are written as numbers, so the compiled manifest holds exactly the name.
TEST_F(PackageBuilderTest, ManifestSourceSpellsNamesAsBytes)
{
    const QByteArray name = "a\"b\\c\nd\t\xC3\xA9";
    QByteArray source, spelled;
    QString error;
    ASSERT_TRUE(ManifestSource({WriteTestFile(dir_.filePath(QFile::decodeName(name)), "x")}, &source, &error));
    const qsizetype open = source.indexOf("name0[] = {") + 11;
    for (const QByteArray& number : source.mid(open, source.indexOf("};", open) - open).split(','))
        spelled += char(number.trimmed().toInt());
    EXPECT_EQ(spelled, name + '\0');
}

TEST_F(PackageBuilderTest, ListingFailsWithoutEntriesToList)
{
    for (const auto& [bytes, exitCode] : {std::pair{FileBytes(Build("setup", files_)), 0}, {PackageBytes({}), 1},
                                          {PackageBytes({{"a", "1"}}).chopped(1), 1}}) {
        QProcess list;
        list.start(QStringLiteral(TILORA_PACK), {"list", WriteTestFile(dir_.filePath("listed"), bytes)});
        EXPECT_TRUE(list.waitForFinished() && list.exitCode() == exitCode) << list.readAllStandardError().toStdString();
    }
}

TEST_F(PackageBuilderTest, ManifestCatchesEveryChangeButBytesAppended)
{
    std::vector<QByteArray> digests;
    const PayloadManifest manifest = ManifestFor(payload_, digests);

    const QByteArray built = FileBytes(Build("setup", files_));
    QByteArray flipped = built;
    flipped[flipped.size() - 200] = flipped[flipped.size() - 200] ^ 1;
    const struct {
        const char* what;
        QByteArray bytes;
        bool matches;
    } cases[] = {
        {"as built", built, true},
        {"bytes appended", built + QByteArray(3000, '\0'), true},
        {"a record tag appended", built + "\xd3\x07\x00\x00" + QByteArray(100, 'x'), true},
        {"a start tag appended", built + "\xd3\x07\x00\x00\xd4\x07\x00\x00", true},
        {"a megabyte appended", built + QByteArray(1024 * 1024, 'x'), true},
        {"more records before them", FileBytes(Build("more", QStringList(MaxRecords, files_[0]) + files_)), false},
        {"truncated", built.chopped(1), false},
        {"a byte changed", flipped, false},
        {"an entry missing", FileBytes(Build("short", files_.mid(1))), false},
        {"entries in another order", FileBytes(Build("swapped", {files_[1], files_[0], files_[2]})), false},
    };
    for (const auto& c : cases) {
        InstallPackage package(WriteTestFile(dir_.filePath("checked"), c.bytes));
        EXPECT_EQ(PackageMatchesManifest(package, manifest), c.matches) << c.what;
    }
}
