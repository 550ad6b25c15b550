#include "PictureFinder.h"

#include "PictureKinds.h"
#include "RandomSource.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool IsSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

QString WithoutTrailingWhiteSpace(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return text.left(end);
}

// The folder, then one separator; a root that already ends in one gets no second.
QString FolderPrefix(const QString& folder)
{
    return IsSeparator(folder.back()) ? folder : folder + QLatin1Char('/');
}

} // namespace

PictureFinder::PictureFinder(RandomSource& random) : random_(random), archive_(random) {}

QString PictureFinder::NormalisePath(const QString& folder)
{
    QString path = folder;
    for (;;) {
        const QString copy = WithoutTrailingWhiteSpace(path);
        qsizetype separator = copy.lastIndexOf(QLatin1Char('\\'));
        if (separator < 0)
            separator = copy.lastIndexOf(QLatin1Char('/'));
        const bool trailing = separator >= 0 && separator == copy.size() - 1;
        // The root folder "/" keeps its separator: without it no folder would be left.
        if (!trailing || copy == QLatin1String("/"))
            return trailing ? copy : path;
        path = copy.left(separator);
    }
}

bool PictureFinder::SetRoot(const QString& folder)
{
    root_ = NormalisePath(folder);
    folders_ = {root_};
    return true;
}

void PictureFinder::ClearFiles()
{
    files_.clear();
}

bool PictureFinder::AddFiles(const QString& pattern)
{
    bool readAll = true;
    for (const QString& listed : folders_) {
        if (listed.isEmpty()) {
            readAll = false;
            continue;
        }
        const QString prefix = FolderPrefix(NormalisePath(listed));
        const QFileInfo folder(prefix);
        if (!folder.isDir() || !folder.isReadable()) {
            readAll = false;
            continue;
        }
        // Regular files (and links to them) only: directories are skipped, and pipes or devices
        // named like pictures could block whoever opens them. Matching ignores case.
        const QStringList names = QDir(prefix).entryList({pattern}, QDir::Files | QDir::Hidden, QDir::Name);
        for (const QString& name : names) {
            const QString path = prefix + name;
            if (PictureKind(path) == PictureFileKind::Archive && !archive_.HoldsPicture(path))
                continue;
            files_.push_back({path});
        }
    }
    return readAll;
}

std::optional<QString> PictureFinder::PickRandom(const QString& current) const
{
    const int count = int(files_.size());
    if (count == 0)
        return std::nullopt;
    int k = random_.Next() % count;
    if (files_[k].Path != current)
        return files_[k].Path;
    if (count == 1)
        return std::nullopt;
    k = k > 0 ? k - 1 : k + 1;
    return files_[k].Path;
}
