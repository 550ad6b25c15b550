#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QMimeData;
class QWidget;

// Lets a window take a picture file or an archive dropped from a file manager: one local file
// whose name says it is a picture or an archive (PictureKind) is accepted and handed on; anything
// else is refused as the drag enters.
class PictureDrop : public QObject {
public:
    using Dropped = std::function<void(const QString& path)>;

    PictureDrop(QWidget* window, Dropped dropped);

    // The one local picture file or archive a drag carries; empty for anything else.
    static QString DroppedPicture(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Dropped dropped_;
};
