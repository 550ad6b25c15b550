#include "PictureFinder.h"

#include <QDir>
#include <QFileInfo>
#include <cstdlib>

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

PictureFinder::PictureFinder() = default;

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
    for (const QString& listed : folders_) {
        if (listed.isEmpty())
            continue;
        const QString prefix = FolderPrefix(NormalisePath(listed));
        // Regular files (and links to them) only: directories are skipped, and pipes or devices
        // named like pictures could block whoever opens them. Matching ignores case.
        const QStringList names = QDir(prefix).entryList({pattern}, QDir::Files | QDir::Hidden, QDir::Name);
        for (const QString& name : names) {
            const QString path = prefix + name;
            if (IsArchivePath(path) && !archive_.HoldsPicture(path))
                continue;
            files_.push_back({path});
        }
    }
    return true;
}

std::optional<QString> PictureFinder::PickRandom(const QString& current) const
{
    const int count = int(files_.size());
    if (count == 0)
        return std::nullopt;
    int k = std::rand() % count;
    if (files_[k].Path != current)
        return files_[k].Path;
    if (count == 1)
        return std::nullopt;
    k = k > 0 ? k - 1 : k + 1;
    return files_[k].Path;
}
