#include "PictureLoading.h"

#include "Picture.h"
#include "PictureKinds.h"
#include "RandomSource.h"
#include "ZipPictureArchive.h"

#include <algorithm>

namespace {

PictureLoad Outcome(bool loaded)
{
    return loaded ? PictureLoad::Loaded : PictureLoad::Undecodable;
}

PictureLoad LoadArchiveMember(PictureSource& source, Picture& picture, ZipPictureArchive& archive,
                              const PictureLoadOptions& options)
{
    if (!archive.Open(source.Path))
        return PictureLoad::Missing;
    source.ZipCount = archive.GetCount();
    if (source.ZipCount < 1) {
        archive.Close();
        return PictureLoad::Missing;
    }
    if (!archive.GoToFirstPicture())
        return PictureLoad::Missing;
    const int drawn = options.RandomMember ? options.RandomMember->Next() % source.ZipCount
                                           : source.ZipIndex - 1;
    const int k = std::clamp(drawn, 0, source.ZipCount - 1);
    source.ZipIndex = k + 1;
    for (int i = 0; i < k; ++i) {
        if (!archive.GoToNextPicture())
            return PictureLoad::Missing;
    }
    const bool loaded = options.Report ? archive.LoadCurrentPicture(picture, options.Report)
                                       : archive.LoadCurrentPicture(picture);
    return Outcome(loaded);
}

} // namespace

PictureSource PictureSource::ForPath(const QString& path, int zipIndex)
{
    PictureSource source;
    source.Type = PictureKind(path) == PictureFileKind::Archive ? Kind::ArchiveMember : Kind::File;
    source.Path = path;
    source.ZipIndex = zipIndex;
    return source;
}

PictureLoad LoadPicture(PictureSource& source, Picture& picture, ZipPictureArchive& archive,
                        const PictureLoadOptions& options)
{
    switch (source.Type) {
    case PictureSource::Kind::ArchiveMember:
        return LoadArchiveMember(source, picture, archive, options);
    case PictureSource::Kind::File:
        return Outcome(picture.LoadFromFile(source.Path));
    case PictureSource::Kind::BuiltIn:
        break;
    }
    return Outcome(picture.LoadFromResource(QStringLiteral("BMP"), QStringLiteral("IDR_BMP2")));
}
