#include "PicturePreview.h"

#include "PictureExtensions.h"
#include "PictureLoading.h"

#include <QCoreApplication>
#include <QFileInfo>

PreviewKind ClassifyPreviewPath(const QString& path)
{
    const QString lower = path.toLower();
    for (const PictureExtension& extension : PictureExtensions) {
        if (lower.contains(QLatin1String(extension.Suffix)))
            return PreviewKind::Picture;
    }
    return lower.contains(QLatin1String(ArchiveExtension)) ? PreviewKind::Archive : PreviewKind::None;
}

QString FollowSymbolicLink(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? path : target;
}

PicturePreview::PicturePreview(MessageSink showMessage)
    : showMessage_(std::move(showMessage))
{
}

void PicturePreview::SelectionChanged(const QString& path)
{
    currentPath_ = FollowSymbolicLink(path);
    archive_.Close();
    pictureNumber_ = 1;
    // Until something new is shown, the pane is empty and no archive is being stepped through.
    noPreview_ = true;
    isArchive_ = false;
    if (!previewOn_ || currentPath_.isEmpty() || QFileInfo(currentPath_).isDir())
        return;

    switch (ClassifyPreviewPath(currentPath_)) {
    case PreviewKind::Picture:
        PreviewPicture();
        break;
    case PreviewKind::Archive:
        PreviewArchive();
        break;
    case PreviewKind::None:
        break;
    }
}

void PicturePreview::FolderChanged()
{
    noPreview_ = true;
}

void PicturePreview::SetPreviewOn(bool on)
{
    if (on == previewOn_)
        return;
    previewOn_ = on;
    if (on)
        SelectionChanged(currentPath_);
}

void PicturePreview::StepBack()
{
    Step(-1);
}

void PicturePreview::StepForward()
{
    Step(+1);
}

QString PicturePreview::CounterText() const
{
    if (!isArchive_)
        return QString();
    if (pictureCount_ == 0)
        return QCoreApplication::translate("PicturePreview", "0 images");
    return QCoreApplication::translate("PicturePreview", "%1 of %2").arg(pictureNumber_).arg(pictureCount_);
}

void PicturePreview::PreviewPicture()
{
    // An undecodable file is not worth a message: the pane just stays empty.
    PictureSource file{PictureSource::Kind::File, currentPath_};
    noPreview_ = LoadPicture(file, preview_, archive_) != PictureLoad::Loaded;
}

void PicturePreview::PreviewArchive()
{
    PictureSource first{PictureSource::Kind::ArchiveMember, currentPath_};
    PictureLoadOptions options;
    options.Report = showMessage_;
    // A member that cannot be decoded is reported, and the archive can still be stepped through.
    if (LoadPicture(first, preview_, archive_, options) == PictureLoad::Missing)
        return;
    pictureCount_ = first.ZipCount;
    noPreview_ = false;
    isArchive_ = true;
}

void PicturePreview::Step(int delta)
{
    // Only an archive that is still open can be stepped through.
    if (!isArchive_)
        return;
    const int wanted = pictureNumber_ + delta;
    if (wanted < 1 || wanted > pictureCount_)
        return;
    pictureNumber_ = wanted;
    const bool moved = delta < 0 ? archive_.GoToPreviousPicture() : archive_.GoToNextPicture();
    if (!moved)
        showMessage_(delta < 0 ? QCoreApplication::translate("PicturePreview", "Couldn't select the previous image")
                               : QCoreApplication::translate("PicturePreview", "Couldn't select the next image"));
    // A failed step still shows the member the archive now stands on.
    archive_.LoadCurrentPicture(preview_, showMessage_);
}
