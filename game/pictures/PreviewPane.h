#pragma once

#include <QFrame>

class Picture;

// The framed pane of the open-picture dialog: the preview picture stretched to fill the inside
// of the frame, or nothing.
class PreviewPane : public QFrame {
    Q_OBJECT

public:
    explicit PreviewPane(QWidget* parent = nullptr);

    // The picture to draw, or null for an empty pane. The pane does not own it.
    void Show(const Picture* picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Picture* picture_ = nullptr;
};
