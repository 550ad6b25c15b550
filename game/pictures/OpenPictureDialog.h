#pragma once

#include "PicturePreview.h"

#include <QFileDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class PreviewPane;

// The Open command's file dialog: the toolkit's own open dialog with a preview pane below its
// controls. For an archive the pane shows one of its pictures at a time, stepped with "<" and
// ">"; the picture on show when OK is pressed is the one reported.
class OpenPictureDialog : public QFileDialog {
    Q_OBJECT

public:
    // "Supported files (*.BMP;*.GIF;*.JPG;...;*.ZIP)": every picture kind, then archives.
    static QString FilterText();

    explicit OpenPictureDialog(QWidget* parent = nullptr);

    // The chosen file's name without its folder; empty after Cancel.
    QString FileTitle() const;
    // The chosen file (a symbolic link's target); its path is empty after Cancel. For an archive:
    // the picture shown in the pane when OK was pressed, and the archive's count.
    PictureSource Chosen() const;

    const PicturePreview& Preview() const { return preview_; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* MakePreviewArea();
    void UseSupportedFilesFilter();
    void FitDetailColumns();
    void ShowMessage(const QString& message);
    void Refresh();
    QString PaneDescription() const;

    PicturePreview preview_;
    QCheckBox* previewBox_ = nullptr;
    PreviewPane* pane_ = nullptr;
    QPushButton* previousButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QLabel* counterLabel_ = nullptr;
    PictureSource chosen_;
};
