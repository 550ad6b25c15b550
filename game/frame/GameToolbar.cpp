#include "GameToolbar.h"

#include "ToolbarLayout.h"
#include "ToolbarPictures.h"

#include "ResourceInit.h"

#include <QAction>
#include <QGuiApplication>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>
#include <QToolButton>

namespace {

// A fixed 10-pixel gap with the style's separator line, between groups of buttons.
class ToolbarGap : public QWidget {
public:
    explicit ToolbarGap(QWidget* parent) : QWidget(parent)
    {
        setFixedWidth(ToolbarSeparatorWidth);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    }
    QSize sizeHint() const override { return {ToolbarSeparatorWidth, ToolbarButtonHeight}; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStyleOption option;
        option.initFrom(this);
        option.state |= QStyle::State_Horizontal;
        QPainter painter(this);
        style()->drawPrimitive(QStyle::PE_IndicatorToolBarSeparator, &option, &painter, this);
    }
};

}  // namespace

GameToolbar::GameToolbar(QMainWindow* frame, CommandTable& commands)
    : QToolBar(frame), frame(frame), commands(commands)
{
    setObjectName(QStringLiteral("GameToolbar"));
    setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    setMovable(true);
    setFloatable(true);
    setIconSize({ToolbarPictureSize, ToolbarPictureSize});
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    // Showing and hiding goes through the frame's Toolbar command, which resizes the window.
    toggleViewAction()->setVisible(false);

    for (const ToolbarEntry& entry : ToolbarEntries) {
        if (entry.Command == 0)
            AddGap();
        else
            AddButton(entry.Command, QString::fromLatin1(entry.ToolTip));
    }
    QToolButton* sizeButton = ButtonFor(CommandId::PuzzleDifficulty);
    sizeMenu = BuildSizeMenu();
    sizeButton->setMenu(sizeMenu);
    sizeButton->setPopupMode(QToolButton::InstantPopup);
    newMenu = BuildNewMenu();
    LoadPictures();
    // The toolkit's button for what does not fit the toolbar's width.
    if (auto* more = findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(tr("More toolbar buttons"));
}

QAction* GameToolbar::AddButton(int command, const QString& toolTip)
{
    // The size drop-down has no command of its own; every other button is the frame's command.
    QAction* action = commands.Action(command);
    if (command == CommandId::PuzzleDifficulty || !action)
        action = new QAction(toolTip, this);
    action->setToolTip(toolTip);
    // The menus show the same action without the toolbar's picture.
    action->setIconVisibleInMenu(false);
    addAction(action);
    if (auto* button = qobject_cast<QToolButton*>(widgetForAction(action))) {
        button->setFixedSize(ToolbarButtonWidth, ToolbarButtonHeight);
        NameButtonByCommand(button, action);
    }
    buttonActions[command] = action;
    return action;
}

// A screen reader says the command's words ("New"), not the menu item's marks and shortcut;
// the tooltip stays its description.
void GameToolbar::NameButtonByCommand(QToolButton* button, QAction* action)
{
    const auto name = [button, action] { button->setAccessibleName(PlainCommandText(action->text())); };
    name();
    connect(action, &QAction::changed, button, name);
}

void GameToolbar::AddGap()
{
    addWidget(new ToolbarGap(this));
}

// A drop-down of the frame's actions, its check marks brought up to date as it opens.
QMenu* GameToolbar::DropDownMenu(const std::vector<QAction*>& items)
{
    auto* menu = new QMenu(this);
    for (QAction* item : items)
        if (item)
            menu->addAction(item);
    connect(menu, &QMenu::aboutToShow, this, [this] { commands.RefreshChecks(); });
    return menu;
}

QMenu* GameToolbar::BuildSizeMenu()
{
    std::vector<QAction*> sizes;
    for (int command = CommandId::Size3; command <= CommandId::Size10; ++command)
        sizes.push_back(commands.Action(command));
    return DropDownMenu(sizes);
}

// The drop-down words the archive choice its own way, unlike the File menu's "From Zip archive".
QMenu* GameToolbar::BuildNewMenu()
{
    return DropDownMenu({commands.Action(CommandId::FromFolder),
                         commands.AddAlias(CommandId::FromThisZip, QStringLiteral("From this Zip"), this)});
}

void GameToolbar::SetNewDropDown(bool zip)
{
    QToolButton* button = ButtonFor(CommandId::New);
    if (!button || zip == NewDropDown())
        return;
    button->setMenu(zip ? newMenu : nullptr);
    button->setPopupMode(zip ? QToolButton::InstantPopup : QToolButton::DelayedPopup);
}

bool GameToolbar::NewDropDown() const
{
    const QToolButton* button = ButtonFor(CommandId::New);
    return button && button->menu() == newMenu;
}

QToolButton* GameToolbar::ButtonFor(int command) const
{
    const auto found = buttonActions.find(command);
    if (found == buttonActions.end())
        return nullptr;
    return qobject_cast<QToolButton*>(widgetForAction(found->second));
}

void GameToolbar::LoadPictures()
{
    InitTiloraResources();
    stripPath = ToolbarStripPath(palette().color(QPalette::Button));
    const QImage strip(stripPath);
    for (const ToolbarEntry& entry : ToolbarEntries) {
        if (entry.Command == 0)
            continue;
        const auto action = buttonActions.find(entry.Command);
        if (action == buttonActions.end())
            continue;
        const QImage picture = ToolbarPicture(strip, entry.Image);
        action->second->setIcon(picture.isNull() ? QIcon() : QIcon(QPixmap::fromImage(picture)));
    }
}

int GameToolbar::CurrentDock() const
{
    if (isFloating() || !frame)
        return DockFloating;
    switch (frame->toolBarArea(this)) {
    case Qt::TopToolBarArea:
        return DockTop;
    case Qt::BottomToolBarArea:
        return DockBottom;
    default:
        return DockFloating;
    }
}

// While the user drags the toolbar it floats on the way; only the place where it comes to rest
// counts, so nothing is reported while a mouse button is held.
void GameToolbar::CheckPlace()
{
    if (QGuiApplication::mouseButtons() != Qt::NoButton)
        return;
    const int dock = CurrentDock();
    if (dock == lastDock)
        return;
    lastDock = dock;
    emit PlaceChanged(dock);
    if (place.MoveTo(dock))
        emit RoomChanged();
}

void GameToolbar::ToggleShown()
{
    const bool show = isHidden();
    setVisible(show);
    if (place.SetShown(show))
        emit RoomChanged();
}

bool GameToolbar::CheckShown()
{
    if (isHidden())
        place.Shown = false;
    return !isHidden();
}

bool GameToolbar::event(QEvent* event)
{
    const bool handled = QToolBar::event(event);
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Show:
    case QEvent::ParentChange:
    case QEvent::MouseButtonRelease:
        CheckPlace();
        break;
    default:
        break;
    }
    return handled;
}

void GameToolbar::changeEvent(QEvent* event)
{
    QToolBar::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        LoadPictures();
}
