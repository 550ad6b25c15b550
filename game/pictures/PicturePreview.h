#pragma once

#include "Picture.h"
#include "PictureSource.h"
#include "ZipPictureArchive.h"

#include <QString>
#include <functional>

// A symbolic link stands for its target; anything else, or a dangling link, for itself.
QString FollowSymbolicLink(const QString& path);

// The preview of the open-picture dialog without its widgets: which file is selected, the
// picture in the pane and, for an archive, which of its pictures is shown. The dialog forwards
// its events here and then shows what this reports.
class PicturePreview {
public:
    using MessageSink = std::function<void(const QString& message)>;

    explicit PicturePreview(MessageSink showMessage);

    // The file list's current item changed (a file, a folder or nothing).
    void SelectionChanged(const QString& path);
    // Another folder is shown: the pane empties.
    void FolderChanged();
    // The pane's size in pixels: pictures are decoded no larger than that.
    void SetPaneSize(QSize pixels) { preview_.SetLargestDrawnSize(pixels); }
    // The "Preview" box; turning it on previews the current selection again.
    void SetPreviewOn(bool on);
    // "<" and ">" while an archive is previewed; nothing is loaded past either end.
    void StepBack();
    void StepForward();

    bool PreviewOn() const { return previewOn_; }
    // The pane draws the preview picture.
    bool ShowsPicture() const { return previewOn_ && !noPreview_; }
    const Picture& Preview() const { return preview_; }
    // The arrows and the counter are shown only for an archive.
    bool IsArchive() const { return isArchive_; }
    QString CounterText() const;
    int PictureNumber() const { return source_.ZipIndex; }
    int PictureCount() const { return source_.ZipCount; }
    // The selection, or the target of a selected symbolic link.
    const QString& CurrentPath() const { return source_.Path; }
    // The selection as a picture's source: for an archive, the picture on show and the count.
    const PictureSource& Source() const { return source_; }

private:
    void PreviewPicture();
    void PreviewArchive();
    void Step(int delta);

    MessageSink showMessage_;
    Picture preview_;
    ZipPictureArchive archive_;
    bool previewOn_ = true;
    bool noPreview_ = true;
    bool isArchive_ = false;
    PictureSource source_;
};
