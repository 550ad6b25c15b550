#include "PicturePreview.h"

#include "PictureKinds.h"
#include "PictureLoading.h"

#include <QFileInfo>

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
    source_ = PictureSource::ForPath(FollowSymbolicLink(path));
    archive_.Close();
    // Until something new is shown, the pane is empty and no archive is being stepped through.
    noPreview_ = true;
    isArchive_ = false;
    if (!previewOn_ || source_.Path.isEmpty() || QFileInfo(source_.Path).isDir())
        return;

    switch (PictureKind(source_.Path)) {
    case PictureFileKind::Picture:
        PreviewPicture();
        break;
    case PictureFileKind::Archive:
        PreviewArchive();
        break;
    case PictureFileKind::None:
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
        SelectionChanged(source_.Path);
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
    if (source_.ZipCount == 0)
        return QStringLiteral("0 images");
    return QStringLiteral("%1 of %2").arg(source_.ZipIndex).arg(source_.ZipCount);
}

void PicturePreview::PreviewPicture()
{
    // An undecodable file is not worth a message: the pane just stays empty.
    noPreview_ = LoadPicture(source_, preview_, archive_) != PictureLoad::Loaded;
}

void PicturePreview::PreviewArchive()
{
    PictureLoadOptions options;
    options.Report = showMessage_;
    // A member that cannot be decoded is reported, and the archive can still be stepped through.
    if (LoadPicture(source_, preview_, archive_, options) == PictureLoad::Missing) {
        source_.ZipCount = 0;
        return;
    }
    noPreview_ = false;
    isArchive_ = true;
}

void PicturePreview::Step(int delta)
{
    // Only an archive that is still open can be stepped through.
    if (!isArchive_)
        return;
    const int wanted = source_.ZipIndex + delta;
    if (wanted < 1 || wanted > source_.ZipCount)
        return;
    source_.ZipIndex = wanted;
    const bool moved = delta < 0 ? archive_.GoToPreviousPicture() : archive_.GoToNextPicture();
    if (!moved)
        showMessage_(delta < 0 ? QStringLiteral("Couldn't select the previous image")
                               : QStringLiteral("Couldn't select the next image"));
    // A failed step still shows the member the archive now stands on.
    archive_.LoadCurrentPicture(preview_, showMessage_);
}
