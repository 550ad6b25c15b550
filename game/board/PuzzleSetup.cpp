#include "PuzzleSetup.h"

#include "Picture.h"
#include "PictureFinder.h"
#include "PictureSource.h"
#include "ZipPictureArchive.h"

#include <cstdlib>

namespace {

const char* const PicturePatterns[] = {"*.bmp", "*.gif", "*.jpg", "*.jpeg", "*.zip"};

bool LoadArchivePicture(PictureSource& source, bool random, Picture& picture,
                        ZipPictureArchive& archive)
{
    if (!archive.Open(source.Path))
        return false;
    source.ZipCount = archive.GetCount();
    if (source.ZipCount < 1) {
        archive.Close();
        return false;
    }
    if (!archive.GoToFirstPicture())
        return false;
    // A number from outside the archive (a stale index, or one the archive no longer reaches)
    // is taken as the nearest picture there is.
    int k = random ? std::rand() % source.ZipCount : source.ZipIndex - 1;
    if (k < 0)
        k = 0;
    if (k > source.ZipCount - 1)
        k = source.ZipCount - 1;
    source.ZipIndex = k + 1;
    for (int i = 0; i < k; ++i) {
        if (!archive.GoToNextPicture())
            return false;
    }
    return archive.LoadCurrentPicture(picture);
}

} // namespace

bool ChooseRandomPicture(const QString& folder, PictureSource& source)
{
    PictureFinder finder;
    finder.SetRoot(folder);
    finder.ClearFiles();
    for (const char* pattern : PicturePatterns)
        finder.AddFiles(QString::fromLatin1(pattern));
    if (finder.Files().empty())
        return false;
    if (const auto chosen = finder.PickRandom(source.Path))
        source.Path = *chosen;
    return true;
}

bool LoadSourcePicture(PictureSource& source, bool random, Picture& picture,
                       ZipPictureArchive& archive)
{
    const bool loaded = IsArchivePath(source.Path)
                            ? LoadArchivePicture(source, random, picture, archive)
                            : picture.LoadFromFile(source.Path);
    if (loaded)
        source.BuiltIn = false;
    return loaded;
}

bool LoadPuzzlePicture(bool random, const QString& folder, PictureSource& source, Picture& picture,
                       ZipPictureArchive& archive)
{
    if (random && !ChooseRandomPicture(folder, source))
        return false;
    return LoadSourcePicture(source, random, picture, archive);
}

bool LoadBuiltInPicture(Picture& picture, PictureSource& source)
{
    source.BuiltIn = true;
    return picture.LoadFromResource(QStringLiteral("BMP"), QStringLiteral("IDR_BMP2"));
}

int ChooseAnotherZipIndex(int current, int count)
{
    if (count < 2)
        return current;
    int index = current;
    while (index == current)
        index = std::rand() % count + 1;
    return index;
}

int NaturalPixels(int himetric, int pixelsPerInch)
{
    return Picture::MulDiv(himetric, pixelsPerInch, 2540);
}

QRect PlaceWindow(const QRect& r, const ScreenLimits& limits)
{
    QRect placed = r;
    const int right = placed.x() + placed.width();
    const int bottom = placed.y() + placed.height();
    if (right > limits.MaxWidth && placed.x() > 50)
        placed.moveLeft(50);
    if (bottom > limits.MaxHeight)
        placed.moveTop(5);
    return placed;
}
