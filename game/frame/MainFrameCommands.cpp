// The main window's command table and the command handlers.
#include "MainFrame.h"

#include "GameDialogs.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMessageBox>
#include <tuple>

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
    GameSettings& s = settings_;
    c.Add(Id::New, "&New\tCtrl+N", Ctrl(Qt::Key_N), [this] { OnNew(); });
    c.Add(Id::FromFolder, "From folder", {}, [this] { OnNew(); });
    c.Add(Id::FromThisZip, "From Zip archive", {}, [this] { OnFromThisZip(); });
    c.Add(Id::Open, "&Open\tCtrl+O", Ctrl(Qt::Key_O), [this] { OnOpen(); });
    c.Add(Id::Exit, "E&xit", {}, [this] { OnExit(); });
    c.Add(Id::Jumble, "&Jumble\tCtrl+J", Ctrl(Qt::Key_J),
          [this] { session_.StartGame(StartRoute::Jumble, settings_.Dimension, settings_.PuzzleMode); });
    c.Add(Id::Grid, "&Grid\tCtrl+G", Ctrl(Qt::Key_G), [this] { settings_.Grid = !settings_.Grid; Repaint(); },
          [&s] { return s.Grid; });
    const char* const gridColours[] = {"Black", "White", "Red"};
    const char* const selColours[] = {"Black", "Yellow", "Red"};
    for (int code = 0; code < 3; ++code) {
        const auto grid = static_cast<GridLineColour>(code);
        const auto frame = static_cast<FrameColour>(code);
        c.Add(Id::GridBlack + code, gridColours[code], {}, [this, grid] { settings_.GridColour = grid; Repaint(); },
              [&s, grid] { return s.GridColour == grid; });
        c.Add(Id::SelBlack + code, selColours[code], {}, [this, frame] { settings_.SelColour = frame; Repaint(); },
              [&s, frame] { return s.SelColour == frame; });
    }
    c.Add(Id::ShowSolution, "&Show solution\tCtrl+S", Ctrl(Qt::Key_S), [this] { ShowSolution(); });
    c.Add(Id::SolveForMe, "Sol&ve for me", {}, [this] { session_.SolveForMe(); });
    c.Add(Id::Scoreboard, "Scoreboard", {}, [this] { ShowScoreboards(this, *profile_); });
    c.Add(Id::Toolbar, "&Toolbar", {}, [this] { OnToolbar(); }, [this] {
        // A floating toolbar closed by its own close box is noticed here.
        if (toolbar_ && toolbar_->isHidden())
            toolbarPlace_.Shown = false;
        return toolbar_ && !toolbar_->isHidden();
    });
    for (int n = Position::MinN; n <= Position::MaxN; ++n) {
        c.Add(Id::SizeFor(n), QStringLiteral("%1 x %1").arg(n), {}, [this, n] { SetDimension(n); },
              [&s, n] { return s.Dimension == n; });
    }
    for (const auto& [id, mode, text] : {std::tuple{Id::ModeTileSwap, GameMode::TileSwap, "Tile swap"},
                                         std::tuple{Id::ModeSlider, GameMode::Slider, "Slider puzzle"}})
        c.Add(id, text, {}, [this, mode] { SetPuzzleMode(mode); }, [&s, mode] { return s.PuzzleMode == mode; });
    c.Add(Id::Sound, "Sound", {}, [this] { settings_.Sound = !settings_.Sound; }, [&s] { return s.Sound; });
    c.Add(Id::Help, "Help", {}, [this] { OpenHelpBook(programFolder_); });
    c.Add(Id::About, "&About", {}, [this] { ShowAboutBox(this); });

    // Shortcuts belong to the window, so Ctrl+N works whichever form the File menu has.
    for (QAction* action : c.Actions())
        addAction(action);
}

void MainFrame::OnNew()
{
    CloseSolution();
    NewPuzzle(true, StartRoute::New);
}

void MainFrame::OnFromThisZip()
{
    CloseSolution();
    if (!puzzle_.FromArchive() || puzzle_.Source().ZipCount < 1)
        return;
    if (!puzzle_.ChooseAnotherMember()) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tilora"),
                        QStringLiteral("There is only 1 picture in this zip file!"),
                        QMessageBox::Ok, this);
        box.exec();
        return;
    }
    NewPuzzle(false, StartRoute::FromThisZip);
}

// The solution window, if open, stays open and goes on showing the picture it has.
void MainFrame::OnOpen()
{
    const ChosenPicture chosen = AskForPicture(this, settings_.Folder);
    if (chosen.FileTitle.isEmpty())
        return;
    puzzle_.Choose(chosen.PathName, chosen.PictureNumber, chosen.PictureCount);
    settings_.Folder = FolderOf(chosen.PathName);
    NewPuzzle(false, StartRoute::Open);
}

void MainFrame::OnExit()
{
    SaveSettings();
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

// Even the size already set rebuilds and re-jumbles the puzzle.
void MainFrame::SetDimension(int n)
{
    settings_.Dimension = n;
    NewPuzzle(false, StartRoute::Size);
}

// Even the mode already set restarts the game.
void MainFrame::SetPuzzleMode(GameMode mode)
{
    settings_.PuzzleMode = mode;
    session_.StartGame(StartRoute::Mode, settings_.Dimension, mode);
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
