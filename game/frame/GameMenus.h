#pragma once

#include <QObject>
#include <initializer_list>

class CommandTable;
class QMainWindow;
class QMenu;

// The game window's menu bar, built once from the command table's actions. Check marks are
// refreshed from the settings whenever a menu is about to show.
class GameMenus : public QObject {
    Q_OBJECT
public:
    GameMenus(QMainWindow* window, CommandTable& commands);

    QMenu* FileMenu() const { return fileMenu_; }

    // The File menu's New item is plain (40001) or, for a picture from an archive, the "&New"
    // pop-up with "From folder" and "From Zip archive".
    void SetNewCommandStyle(bool zip);
    bool NewCommandIsZipForm() const { return newIsZipForm_; }

signals:
    void NewCommandStyleChanged(bool zip);

private:
    QMenu* AddPopup(QMenu* menu, const QString& title, std::initializer_list<int> commands);
    void RefreshChecksBeforeShowing(QMenu* menu);

    CommandTable& commands_;
    QMenu* fileMenu_ = nullptr;
    QMenu* newPopup_ = nullptr;
    bool newIsZipForm_ = false;
};
