#pragma once

#include "CommandTable.h"
#include "ToolbarPlacement.h"

#include <QPointer>
#include <QToolBar>
#include <map>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QToolButton;

// The main window's toolbar: seven 32 x 32 picture buttons for the most used commands, two of
// which drop down a menu. Its buttons and drop-down items are the frame's own command actions, so
// menus and toolbar never disagree in text or check mark. It may be docked at the top or the bottom or float, and it
// tells the frame whenever it starts or stops taking room, so the window can grow or shrink
// around the board.
class GameToolbar : public QToolBar {
    Q_OBJECT
public:
    GameToolbar(QMainWindow* frame, CommandTable& commands);

    // The New button drops down "From folder" / "From this Zip" while the picture on show came out
    // of an archive; otherwise it starts a new puzzle at once.
    void SetNewDropDown(bool zip);
    bool NewDropDown() const;

    // Where the toolbar is now: DockTop, DockBottom or DockFloating.
    int CurrentDock() const;
    // Whether it is shown and where it came to rest last.
    const ToolbarPlacement& Placement() const { return place; }
    // The frame's Toolbar command: shows a hidden toolbar, hides a shown one.
    void ToggleShown();
    // True while shown; a floating toolbar closed by its own close box is noticed here.
    bool CheckShown();

    // The picture strip the buttons were cut from.
    QString StripPath() const { return stripPath; }

    // The toolbar's own button for a command; nullptr for commands it has no button for.
    QToolButton* ButtonFor(int command) const;
    QMenu* SizeMenu() const { return sizeMenu; }
    QMenu* NewMenu() const { return newMenu; }

signals:
    // The toolbar has come to rest in another place (DockTop, DockBottom or DockFloating).
    void PlaceChanged(int dock);
    // The toolbar started or stopped taking room in the window.
    void RoomChanged();

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QAction* AddButton(int command, const QString& toolTip);
    void NameButtonByCommand(QToolButton* button, QAction* action);
    QMenu* DropDownMenu(const std::vector<QAction*>& items);
    void AddGap();
    QMenu* BuildSizeMenu();
    QMenu* BuildNewMenu();
    void LoadPictures();
    void CheckPlace();

    QPointer<QMainWindow> frame;
    CommandTable& commands;
    std::map<int, QAction*> buttonActions;
    QMenu* sizeMenu = nullptr;
    QMenu* newMenu = nullptr;
    QString stripPath;
    int lastDock = DockTop;
    ToolbarPlacement place;
};
