#pragma once

#include "Picture.h"

#include <QDialog>
#include <QRect>

struct PictureSource;
class QGroupBox;

// A small modeless window beside the game showing the whole picture, its longer side 200 pixels,
// while play goes on. It loads a picture of its own from the same source as the game's, so it
// keeps showing that picture whatever the game shows later. Esc, Enter and the close box close
// it; it deletes itself on closing and says so through closed().
class SolutionWindow : public QDialog {
    Q_OBJECT
public:
    // The size of the window before (or without) a picture, and of its frame within it.
    static const QSize TemplateSize;
    static const QRect TemplateBox;

    // naturalWidth and naturalHeight: the picture's size in pixels as the game shows it.
    SolutionWindow(QWidget* parent, const PictureSource& source, int naturalWidth, int naturalHeight);

    bool HasPicture() const { return !picture_.IsEmpty(); }
    // Where the frame around the picture lies, in the window's own coordinates.
    QRect Box() const { return box_; }

signals:
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // False when the start-up must end with the window left at its template size.
    bool LoadPicture(const PictureSource& source);
    bool LoadArchivePicture(const PictureSource& source);
    void ShowMessage(const QString& text);
    void FitToPicture(int naturalWidth, int naturalHeight);
    void NotifyClosed();

    Picture picture_;
    QGroupBox* frame_ = nullptr;
    QRect box_;
    bool closedNotified_ = false;
};
