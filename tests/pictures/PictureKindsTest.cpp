#include "PictureKinds.h"

#include <gtest/gtest.h>

TEST(PictureKindTest, TheFileNamesLastExtensionDecidesInAnyCase)
{
    using Kind = PictureFileKind;
    const std::pair<const char*, Kind> cases[] = {
        {"/p/a.BMP", Kind::Picture}, {"/p/photo.JPEG", Kind::Picture}, {"/p/shot.Png", Kind::Picture},
        {"/p/web.webp", Kind::Picture}, {"/p/scan.tif", Kind::Picture}, {"/p/x.zip.jpg", Kind::Picture},
        {"/p/old.zip.d/lake.bmp", Kind::Picture}, {"/p/holiday.gif.zip", Kind::Archive}, {"/p/X.ZIP", Kind::Archive},
        {"/p/a.bmp.d/notes", Kind::None}, {"/p/notes.txt", Kind::None}, {"/p/x.zi", Kind::None}, {"", Kind::None},
    };
    for (const auto& [path, kind] : cases)
        EXPECT_EQ(PictureKind(path), kind) << path;

    const QStringList patterns = PictureAndArchivePatterns();
    EXPECT_EQ(patterns.mid(0, 4), (QStringList{"*.bmp", "*.gif", "*.jpg", "*.jpeg"})) << "listed as ever, first";
    EXPECT_EQ(patterns.back(), "*.zip");
    for (const QString& pattern : patterns)
        EXPECT_NE(PictureKind("/p/x" + pattern.mid(1)), Kind::None) << pattern.toStdString();
}
