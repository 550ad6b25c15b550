#pragma once

#include <QApplication>
#include <QMenu>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QToolButton>

// Clicks a drop-down button and returns its menu's items, checked ones marked with '*'; then
// chooses the item named `choose`, or just closes the menu.
inline QStringList ClickDropDown(QToolButton* button, const QString& choose = {})
{
    QStringList items;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            items << action->text() + (action->isChecked() ? "*" : "");
            if (action->text() == choose)
                chosen = action;
        }
        menu->close();
        if (chosen)
            chosen->trigger();
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();
    return items;
}
