#pragma once

#include <QAccessible>
#include <QLabel>

// What a screen reader would find nameless in window: every control the keyboard can reach and
// every picture, unless hidden. Each is listed by its object name, or its class without one.
inline QStringList UnnamedControls(const QWidget& window)
{
    QStringList unnamed;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(widget);
        const bool picture = label != nullptr && !label->pixmap().isNull();
        if (widget->isHidden() || (widget->focusPolicy() == Qt::NoFocus && !picture))
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        if (face == nullptr || face->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << (widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                      : widget->objectName());
    }
    return unnamed;
}
