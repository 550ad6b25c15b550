// The main window's command table, its menus and the command handlers.
#include "MainFrame.h"

#include "GameDialogs.h"
#include "PuzzleSetup.h"

#include <QAction>
#include <QCoreApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

namespace {

namespace Id = CommandId;

QKeySequence Ctrl(Qt::Key key)
{
    return QKeySequence(Qt::CTRL | key);
}

// The folder of a chosen file, without a trailing separator; a file at the root gives the root.
QString FolderOf(const QString& path)
{
    const int cut = path.lastIndexOf('/');
    if (cut < 0)
        return QString();
    return cut == 0 ? QStringLiteral("/") : path.left(cut);
}

} // namespace

void MainFrame::BuildCommands()
{
    CommandTable& c = commands_;
    c.Add(Id::New, "&New\tCtrl+N", Ctrl(Qt::Key_N), [this] { OnNew(); });
    c.Add(Id::FromFolder, "From folder", {}, [this] { OnNew(); });
    c.Add(Id::FromThisZip, "From Zip archive", {}, [this] { OnFromThisZip(); });
    c.Add(Id::Open, "&Open\tCtrl+O", Ctrl(Qt::Key_O), [this] { OnOpen(); });
    c.Add(Id::Exit, "E&xit", {}, [this] { OnExit(); });
    c.Add(Id::Jumble, "&Jumble\tCtrl+J", Ctrl(Qt::Key_J), [this] { OnJumble(); });
    c.Add(Id::Grid, "&Grid\tCtrl+G", Ctrl(Qt::Key_G), [this] { OnGrid(); },
          [this] { return settings_.Grid != 0; });
    const char* const gridColours[] = {"Black", "White", "Red"};
    const char* const selColours[] = {"Black", "Yellow", "Red"};
    for (int colour = 0; colour < 3; ++colour) {
        c.Add(Id::GridBlack + colour, gridColours[colour], {},
              [this, colour] { SetGridColour(colour); },
              [this, colour] { return settings_.GridColour == colour; });
        c.Add(Id::SelBlack + colour, selColours[colour], {},
              [this, colour] { SetSelColour(colour); },
              [this, colour] { return settings_.SelColour == colour; });
    }
    c.Add(Id::ShowSolution, "&Show solution\tCtrl+S", Ctrl(Qt::Key_S), [this] { ShowSolution(); });
    c.Add(Id::SolveForMe, "Sol&ve for me", {}, [this] { SolveForMe(); });
    c.Add(Id::Scoreboard, "Scoreboard", {}, [this] { ShowScoreboards(this, *profile_); });
    c.Add(Id::Toolbar, "&Toolbar", {}, [this] { OnToolbar(); }, [this] {
        // A floating toolbar closed by its own close box is noticed here.
        if (toolbar_ && toolbar_->isHidden())
            toolbarPlace_.Shown = false;
        return toolbar_ && !toolbar_->isHidden();
    });
    for (int n = PuzzleBoard::MinN; n <= PuzzleBoard::MaxN; ++n) {
        c.Add(Id::SizeFor(n), QStringLiteral("%1 x %1").arg(n), {}, [this, n] { SetDimension(n); },
              [this, n] { return settings_.Dimension == n; });
    }
    c.Add(Id::ModeTileSwap, "Tile swap", {}, [this] { SetPuzzleMode(0); },
          [this] { return settings_.PuzzleMode == 0; });
    c.Add(Id::ModeSlider, "Slider puzzle", {}, [this] { SetPuzzleMode(1); },
          [this] { return settings_.PuzzleMode == 1; });
    c.Add(Id::Sound, "Sound", {}, [this] { OnSound(); }, [this] { return settings_.Sound != 0; });
    c.Add(Id::Help, "Help", {}, [this] { OpenHelpBook(programFolder_); });
    c.Add(Id::About, "&About", {}, [this] { ShowAboutBox(this); });

    // Shortcuts belong to the window, so Ctrl+N works whichever form the File menu has.
    for (QAction* action : c.Actions())
        addAction(action);
}

void MainFrame::BuildMenus()
{
    QMenuBar* bar = menuBar();
    fileMenu_ = bar->addMenu("&File");
    fileMenu_->addAction(commands_.Action(Id::New));
    fileMenu_->addAction(commands_.Action(Id::Open));
    fileMenu_->addSeparator();
    fileMenu_->addAction(commands_.Action(Id::Exit));

    QMenu* view = bar->addMenu("&View");
    view->addAction(commands_.Action(Id::Jumble));
    view->addSeparator();
    view->addAction(commands_.Action(Id::Grid));
    AddPopup(view, "Grid colour", {Id::GridBlack, Id::GridWhite, Id::GridRed});
    AddPopup(view, "Selection colour", {Id::SelBlack, Id::SelYellow, Id::SelRed});
    view->addSeparator();
    view->addAction(commands_.Action(Id::ShowSolution));
    view->addAction(commands_.Action(Id::SolveForMe));
    view->addSeparator();
    view->addAction(commands_.Action(Id::Scoreboard));
    view->addAction(commands_.Action(Id::Toolbar));

    QMenu* options = bar->addMenu("&Options");
    AddPopup(options, "Puzzle size",
             {Id::SizeFor(3), Id::SizeFor(4), Id::SizeFor(5), Id::SizeFor(6), Id::SizeFor(7),
              Id::SizeFor(8), Id::SizeFor(9), Id::SizeFor(10)});
    AddPopup(options, "Puzzle mode", {Id::ModeTileSwap, Id::ModeSlider});
    options->addAction(commands_.Action(Id::Sound));

    QMenu* help = bar->addMenu("&Help");
    help->addAction(commands_.Action(Id::Help));
    help->addAction(commands_.Action(Id::About));

    // The New command's archive form, kept ready and swapped in by SetNewCommandStyle.
    newPopup_ = new QMenu("&New", this);
    newPopup_->addAction(commands_.Action(Id::FromFolder));
    newPopup_->addAction(commands_.Action(Id::FromThisZip));

    for (QMenu* menu : {fileMenu_, view, options, help})
        connect(menu, &QMenu::aboutToShow, this, &MainFrame::RefreshMenuChecks);
}

QMenu* MainFrame::AddPopup(QMenu* menu, const QString& title, std::initializer_list<int> commands)
{
    QMenu* popup = menu->addMenu(title);
    for (int id : commands)
        popup->addAction(commands_.Action(id));
    connect(popup, &QMenu::aboutToShow, this, &MainFrame::RefreshMenuChecks);
    return popup;
}

void MainFrame::RefreshMenuChecks()
{
    commands_.RefreshChecks();
}

void MainFrame::SetNewCommandStyle(bool zip)
{
    if (zip == newIsZipForm_)
        return;
    newIsZipForm_ = zip;
    QAction* plain = commands_.Action(CommandId::New);
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

void MainFrame::OnNew()
{
    CloseSolution();
    NewPuzzle(true);
    board_.Jumble();
    Repaint();
}

void MainFrame::OnFromThisZip()
{
    CloseSolution();
    if (source_.BuiltIn || !IsArchivePath(source_.Path) || source_.ZipCount < 1)
        return;
    if (source_.ZipCount == 1) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tilora"),
                        QStringLiteral("There is only 1 picture in this zip file!"),
                        QMessageBox::Ok, this);
        box.exec();
        return;
    }
    source_.ZipIndex = ChooseAnotherZipIndex(source_.ZipIndex, source_.ZipCount);
    NewPuzzle(false);
    board_.Jumble();
    Repaint();
}

// The solution window, if open, stays open and goes on showing the picture it has.
void MainFrame::OnOpen()
{
    const ChosenPicture chosen = AskForPicture(this, settings_.Folder);
    if (chosen.FileTitle.isEmpty())
        return;
    source_.Path = chosen.PathName;
    source_.ZipIndex = chosen.PictureNumber;
    source_.ZipCount = chosen.PictureCount;
    settings_.Folder = FolderOf(chosen.PathName);
    NewPuzzle(false);
    Repaint();
}

void MainFrame::OnExit()
{
    SaveSettings();
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void MainFrame::OnJumble()
{
    board_.Jumble();
    board_.ResetGame();
    Repaint();
}

void MainFrame::OnGrid()
{
    settings_.Grid = settings_.Grid != 0 ? 0 : 1;
    Repaint();
}

void MainFrame::SetGridColour(int colour)
{
    settings_.GridColour = colour;
    Repaint();
}

void MainFrame::SetSelColour(int colour)
{
    settings_.SelColour = colour;
    Repaint();
}

// Even the size already set rebuilds and re-jumbles the puzzle.
void MainFrame::SetDimension(int n)
{
    settings_.Dimension = n;
    board_.SetN(n);
    board_.ClearSelection();
    board_.Jumble();
    NewPuzzle(false);
}

// Even the mode already set restarts the game.
void MainFrame::SetPuzzleMode(int mode)
{
    settings_.PuzzleMode = mode;
    board_.SetMode(static_cast<GameMode>(mode));
    board_.ResetGame();
    board_.Jumble();
    Repaint();
}

void MainFrame::OnSound()
{
    settings_.Sound = settings_.Sound != 0 ? 0 : 1;
}

void MainFrame::OnToolbar()
{
    const bool show = toolbar_->isHidden();
    toolbar_->setVisible(show);
    if (toolbarPlace_.SetShown(show))
        AdjustWindowForToolbar();
}

void MainFrame::UpdateToolbarDock(int dock)
{
    if (toolbarPlace_.MoveTo(dock))
        AdjustWindowForToolbar();
}

// The window's layout keeps it exactly around the menu, the docked toolbar and the board, so
// the window grows or shrinks by the toolbar's room as soon as the layout is brought up to date.
void MainFrame::AdjustWindowForToolbar()
{
    if (!frameReady_)
        return;
    layout()->activate();
    Repaint();
}
