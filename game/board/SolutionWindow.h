#pragma once

#include <QDialog>
#include <QImage>
#include <QRect>

class Picture;

class QGroupBox;

// A small modeless window beside the game showing the whole picture, its longer side 200 pixels,
// while play goes on. It keeps its own copy of the game's decoded picture, scaled once to its
// frame, so it goes on showing that picture whatever the game shows later. Esc, Enter and the
// close box close it; it deletes itself on closing and says so through closed().
class SolutionWindow : public QDialog {
    Q_OBJECT
public:
    // The size of the window before (or without) a picture, and of its frame within it.
    static const QSize TemplateSize;
    static const QRect TemplateBox;

    // naturalWidth and naturalHeight: the picture's size in pixels as the game shows it. An empty
    // picture leaves the window at its template size with an empty frame.
    SolutionWindow(QWidget* parent, const Picture& picture, int naturalWidth, int naturalHeight);

    bool HasPicture() const { return !shown_.isNull(); }
    // Where the frame around the picture lies, in the window's own coordinates.
    QRect Box() const { return box_; }

signals:
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FitToPicture(const Picture& picture, int naturalWidth, int naturalHeight);
    void NotifyClosed();

    QImage shown_;  // the picture as drawn inside the frame
    QGroupBox* frame_ = nullptr;
    QRect box_;
    bool closedNotified_ = false;
};
