#include "PictureDrop.h"

#include "PictureKinds.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

PictureDrop::PictureDrop(QWidget* window, Dropped dropped) : QObject(window), dropped_(std::move(dropped))
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

QString PictureDrop::DroppedPicture(const QMimeData* data)
{
    if (data == nullptr || data->urls().size() != 1 || !data->urls().front().isLocalFile())
        return QString();
    const QString path = data->urls().front().toLocalFile();
    return PictureKind(path) != PictureFileKind::None ? path : QString();
}

bool PictureDrop::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = DroppedPicture(drop->mimeData());
    if (path.isEmpty()) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop)
        dropped_(path);
    return true;
}
