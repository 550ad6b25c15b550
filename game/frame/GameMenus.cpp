#include "GameMenus.h"

#include "CommandTable.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace Id = CommandId;

GameMenus::GameMenus(QMainWindow* window, CommandTable& commands)
    : QObject(window), commands_(commands)
{
    QMenuBar* bar = window->menuBar();
    fileMenu_ = bar->addMenu(tr("&File"));
    fileMenu_->addAction(commands_.Action(Id::New));
    fileMenu_->addAction(commands_.Action(Id::Open));
    fileMenu_->addAction(commands_.Action(Id::DailyPuzzle));
    fileMenu_->addSeparator();
    fileMenu_->addAction(commands_.Action(Id::Exit));

    QMenu* edit = bar->addMenu(tr("&Edit"));
    edit->addAction(commands_.Action(Id::Undo));
    edit->addAction(commands_.Action(Id::Redo));

    QMenu* view = bar->addMenu(tr("&View"));
    view->addAction(commands_.Action(Id::Jumble));
    view->addSeparator();
    view->addAction(commands_.Action(Id::Grid));
    AddPopup(view, tr("Grid colour"), {Id::GridBlack, Id::GridWhite, Id::GridRed});
    AddPopup(view, tr("Selection colour"), {Id::SelBlack, Id::SelYellow, Id::SelRed});
    view->addSeparator();
    view->addAction(commands_.Action(Id::ShowSolution));
    view->addAction(commands_.Action(Id::SolveForMe));
    view->addAction(commands_.Action(Id::Hint));
    view->addSeparator();
    view->addAction(commands_.Action(Id::Scoreboard));
    view->addAction(commands_.Action(Id::Statistics));
    view->addAction(commands_.Action(Id::Toolbar));
    view->addAction(commands_.Action(Id::StatusBar));

    QMenu* options = bar->addMenu(tr("&Options"));
    AddPopup(options, tr("Puzzle size"),
             {Id::SizeFor(3), Id::SizeFor(4), Id::SizeFor(5), Id::SizeFor(6), Id::SizeFor(7),
              Id::SizeFor(8), Id::SizeFor(9), Id::SizeFor(10)});
    AddPopup(options, tr("Puzzle mode"), {Id::ModeTileSwap, Id::ModeSlider});
    options->addAction(commands_.Action(Id::Sound));

    QMenu* help = bar->addMenu(tr("&Help"));
    help->addAction(commands_.Action(Id::Help));
    help->addAction(commands_.Action(Id::About));

    // The New command's archive form, kept ready and swapped in by SetNewCommandStyle.
    newPopup_ = new QMenu(tr("&New"), window);
    newPopup_->addAction(commands_.Action(Id::FromFolder));
    newPopup_->addAction(commands_.Action(Id::FromThisZip));

    for (QMenu* menu : {fileMenu_, edit, view, options, help})
        RefreshChecksBeforeShowing(menu);
}

QMenu* GameMenus::AddPopup(QMenu* menu, const QString& title, std::initializer_list<int> commands)
{
    QMenu* popup = menu->addMenu(title);
    for (int id : commands)
        popup->addAction(commands_.Action(id));
    RefreshChecksBeforeShowing(popup);
    return popup;
}

void GameMenus::RefreshChecksBeforeShowing(QMenu* menu)
{
    connect(menu, &QMenu::aboutToShow, this, [this] { commands_.RefreshChecks(); });
}

void GameMenus::SetNewCommandStyle(bool zip)
{
    if (zip == newIsZipForm_)
        return;
    newIsZipForm_ = zip;
    QAction* plain = commands_.Action(Id::New);
    QAction* popup = newPopup_->menuAction();
    if (zip) {
        fileMenu_->insertAction(plain, popup);
        fileMenu_->removeAction(plain);
    } else {
        fileMenu_->insertAction(popup, plain);
        fileMenu_->removeAction(popup);
    }
    emit NewCommandStyleChanged(zip);
}
