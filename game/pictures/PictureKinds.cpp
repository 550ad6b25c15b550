#include "PictureKinds.h"

#include <QFileInfo>
#include <QImageReader>
#include <array>

namespace {

struct VouchedKind {
    std::array<const char*, 2> Formats;   // the decoder's names for it; null when unused
    std::array<const char*, 2> Suffixes;  // null when unused
};

// BMP, GIF and JPEG first, as folders have always been listed; the rest come from image plugins.
constexpr std::array<VouchedKind, 9> VouchedKinds{{
    {{"bmp", nullptr}, {"bmp", nullptr}},
    {{"gif", nullptr}, {"gif", nullptr}},
    {{"jpeg", "jpg"}, {"jpg", "jpeg"}},
    {{"png", nullptr}, {"png", nullptr}},
    {{"webp", nullptr}, {"webp", nullptr}},
    {{"tiff", "tif"}, {"tif", "tiff"}},
    {{"avif", nullptr}, {"avif", nullptr}},
    {{"heif", "heic"}, {"heic", "heif"}},
    {{"jxl", nullptr}, {"jxl", nullptr}},
}};

constexpr const char* ArchiveSuffix = "zip";

// The kinds whose decoder this Qt has, asked once: plugins do not come and go while we run.
struct AvailableKinds {
    QStringList Suffixes;
    QList<QByteArray> Formats;

    AvailableKinds()
    {
        const QList<QByteArray> decodable = QImageReader::supportedImageFormats();
        for (const VouchedKind& kind : VouchedKinds) {
            if (!decodable.contains(QByteArray(kind.Formats[0])))
                continue;
            for (const char* format : kind.Formats)
                if (format != nullptr)
                    Formats << QByteArray(format);
            for (const char* suffix : kind.Suffixes)
                if (suffix != nullptr)
                    Suffixes << QString::fromLatin1(suffix);
        }
    }
};

const AvailableKinds& Available()
{
    static const AvailableKinds kinds;
    return kinds;
}

} // namespace

PictureFileKind PictureKind(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix.isEmpty())
        return PictureFileKind::None;
    if (suffix == QLatin1String(ArchiveSuffix))
        return PictureFileKind::Archive;
    return PictureSuffixes().contains(suffix) ? PictureFileKind::Picture : PictureFileKind::None;
}

const QStringList& PictureSuffixes()
{
    return Available().Suffixes;
}

QStringList PictureAndArchivePatterns()
{
    QStringList patterns;
    for (const QString& suffix : PictureSuffixes())
        patterns << QStringLiteral("*.") + suffix;
    return patterns << QStringLiteral("*.") + QLatin1String(ArchiveSuffix);
}

bool IsPictureFormat(const QByteArray& format)
{
    return Available().Formats.contains(format.toLower());
}
