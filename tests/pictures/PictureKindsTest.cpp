#include "PictureKinds.h"
#include "PictureSource.h"

#include <gtest/gtest.h>

TEST(PictureKindTest, TheLastExtensionDecidesInAnyCase)
{
    const std::vector<std::pair<const char*, PictureFileKind>> cases = {
        {"/p/a.BMP", PictureFileKind::Picture},
        {"/p/photo.JPEG", PictureFileKind::Picture},
        {"/p/screen.Png", PictureFileKind::Picture},
        {"/p/web.webp", PictureFileKind::Picture},
        {"/p/scan.tif", PictureFileKind::Picture},
        {"/p/x.zip.jpg", PictureFileKind::Picture},
        {"/p/old.zip.d/lake.bmp", PictureFileKind::Picture},
        {"/p/holiday.gif.zip", PictureFileKind::Archive},
        {"/p/X.ZIP", PictureFileKind::Archive},
        {"/p/zipped.bmp.d/notes", PictureFileKind::None},
        {"/p/notes.txt", PictureFileKind::None},
        {"/p/x.zi", PictureFileKind::None},
        {"", PictureFileKind::None},
    };
    for (const auto& [path, kind] : cases) {
        EXPECT_EQ(PictureKind(path), kind) << path;
        const bool archive = kind == PictureFileKind::Archive;
        EXPECT_EQ(PictureSource::ForPath(path).Type == PictureSource::Kind::ArchiveMember, archive) << path;
    }
}

TEST(PictureKindTest, EveryListedPatternIsOfItsKind)
{
    const QStringList patterns = PictureAndArchivePatterns();
    EXPECT_EQ(patterns.mid(0, 4), (QStringList{"*.bmp", "*.gif", "*.jpg", "*.jpeg"})) << "listed as ever, first";
    EXPECT_EQ(patterns.back(), "*.zip");
    for (const QString& pattern : patterns)
        EXPECT_NE(PictureKind("/p/x" + pattern.mid(1)), PictureFileKind::None) << pattern.toStdString();
}
