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

QString SizeText(int command)
{
    return QStringLiteral("%1 x %1").arg(CommandId::SizeOf(command));
}

}  // namespace

GameToolbar::GameToolbar(QMainWindow* frame, CommandLookup commands)
    : QToolBar(frame), frame(frame), commands(std::move(commands))
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
}

QAction* GameToolbar::AddButton(int command, const QString& toolTip)
{
    // The size drop-down has no command of its own; every other button stands in for the frame's.
    QAction* action = command == CommandId::PuzzleDifficulty ? new QAction(toolTip, this)
                                                                  : ForwardingAction(command, toolTip, this);
    action->setToolTip(toolTip);
    addAction(action);
    if (auto* button = qobject_cast<QToolButton*>(widgetForAction(action)))
        button->setFixedSize(ToolbarButtonWidth, ToolbarButtonHeight);
    buttonActions[command] = action;
    return action;
}

// An action that triggers the frame's action for `command` and shows its check mark.
QAction* GameToolbar::ForwardingAction(int command, const QString& text, QObject* owner)
{
    auto* action = new QAction(text, owner);
    QAction* target = commands ? commands(command) : nullptr;
    if (!target)
        return action;
    QPointer<QAction> source(target);
    if (source->isCheckable()) {
        action->setCheckable(true);
        action->setChecked(source->isChecked());
        connect(source, &QAction::toggled, action, &QAction::setChecked);
    }
    connect(action, &QAction::triggered, this, [action, source] {
        if (!source)
            return;
        source->trigger();
        // Undo our own toggle when the frame kept its check mark as it was.
        if (source && action->isCheckable())
            action->setChecked(source->isChecked());
    });
    return action;
}

void GameToolbar::AddGap()
{
    addWidget(new ToolbarGap(this));
}

QMenu* GameToolbar::BuildSizeMenu()
{
    auto* menu = new QMenu(this);
    for (int command = CommandId::Size3; command <= CommandId::Size10; ++command)
        menu->addAction(ForwardingAction(command, SizeText(command), menu));
    connect(menu, &QMenu::aboutToShow, this, &GameToolbar::DropDownAboutToShow);
    return menu;
}

QMenu* GameToolbar::BuildNewMenu()
{
    auto* menu = new QMenu(this);
    menu->addAction(ForwardingAction(CommandId::FromFolder, QStringLiteral("From folder"), menu));
    menu->addAction(ForwardingAction(CommandId::FromThisZip, QStringLiteral("From this Zip"), menu));
    connect(menu, &QMenu::aboutToShow, this, &GameToolbar::DropDownAboutToShow);
    return menu;
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
