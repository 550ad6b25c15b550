#include "PuzzlePicture.h"

#include "PictureFinder.h"
#include "PictureKinds.h"
#include "PictureLoading.h"
#include "RandomSource.h"

bool PuzzlePicture::ChooseRandomFile(const QString& folder)
{
    PictureFinder finder(random_);
    finder.SetRoot(folder);
    finder.ClearFiles();
    for (const QString& pattern : PictureAndArchivePatterns())
        finder.AddFiles(pattern);
    if (finder.Files().empty())
        return false;
    if (const auto chosen = finder.PickRandom(source_.Path))
        source_ = PictureSource::ForPath(*chosen);
    return true;
}

bool PuzzlePicture::Load(bool random, const QString& folder)
{
    bool loaded = false;
    if (!random || ChooseRandomFile(folder)) {
        // A source that fell back to the built-in picture is tried again from its path.
        PictureSource wanted = source_.IsBuiltIn() ? PictureSource::ForPath(source_.Path, source_.ZipIndex)
                                                   : source_;
        PictureLoadOptions options;
        options.RandomMember = random ? &random_ : nullptr;
        loaded = LoadPicture(wanted, picture_, archive_, options) == PictureLoad::Loaded;
        source_ = wanted;
    }
    if (!loaded) {
        source_.Type = PictureSource::Kind::BuiltIn;
        LoadPicture(source_, picture_, archive_);
    }
    return loaded;
}

void PuzzlePicture::Choose(const QString& path, int zipIndex, int zipCount)
{
    source_ = PictureSource::ForPath(path, zipIndex);
    source_.ZipCount = zipCount;
}

bool PuzzlePicture::ChooseAnotherMember()
{
    if (!FromArchive() || source_.ZipCount < 2)
        return false;
    source_.ZipIndex = ChooseAnotherZipIndex(source_.ZipIndex, source_.ZipCount, random_);
    return true;
}

int ChooseAnotherZipIndex(int current, int count, RandomSource& random)
{
    if (count < 2)
        return current;
    int index = current;
    while (index == current)
        index = random.Next() % count + 1;
    return index;
}

int NaturalPixels(int himetric, int pixelsPerInch)
{
    return Picture::MulDiv(himetric, pixelsPerInch, 2540);
}

QSize NaturalSizeAt(QSize pixels, int dpiX, int dpiY)
{
    return QSize(NaturalPixels(Picture::PixelsToHimetric(pixels.width()), dpiX),
                 NaturalPixels(Picture::PixelsToHimetric(pixels.height()), dpiY));
}

QSize PuzzlePicture::NaturalSize(int dpiX, int dpiY) const
{
    return QSize(NaturalPixels(picture_.GetWidth(), dpiX), NaturalPixels(picture_.GetHeight(), dpiY));
}
