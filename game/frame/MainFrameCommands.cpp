// The main window's command table and the command handlers.
#include "MainFrame.h"

#include "BoardView.h"
#include "GameDialogs.h"
#include "HintFlow.h"
#include "PlayerProgress.h"

#include <QAction>
#include <QApplication>
#include <tuple>

namespace {

namespace Id = CommandId;

QKeySequence Ctrl(Qt::Key key)
{
    return QKeySequence(Qt::CTRL | key);
}

} // namespace

void MainFrame::BuildCommands()
{
    CommandTable& c = commands_;
    GameSettings& s = settings_;
    const auto onNew = [this] {
        CloseSolution();
        routes_->Start(true, StartRoute::New);
    };
    c.Add(Id::New, tr("&New\tCtrl+N"), Ctrl(Qt::Key_N), onNew);
    c.Add(Id::FromFolder, tr("From folder"), {}, onNew);
    c.Add(Id::FromThisZip, tr("From Zip archive"), {}, [this] {
        CloseSolution();
        if (!routes_->AnotherFromThisZip())
            ShowGameMessage(this, tr("There is only 1 picture in this zip file!"));
    });
    // The solution window, if open, stays open and goes on showing the picture it has.
    c.Add(Id::Open, tr("&Open\tCtrl+O"), Ctrl(Qt::Key_O), [this] {
        const ChosenPicture chosen = AskForPicture(this, settings_.Folder);
        if (!chosen.FileTitle.isEmpty())
            routes_->Open(chosen.Source);
    });
    // Exit saves and ends the program just as the window's close box does.
    c.Add(Id::Exit, tr("E&xit"), {}, [this] { close(); });
    const auto hasUndo = [this] { return session_.CanUndo(); };
    const auto hasRedo = [this] { return session_.CanRedo(); };
    c.Add(Id::Undo, tr("&Undo\tCtrl+Z"), Ctrl(Qt::Key_Z), [this] { session_.Undo(); }, {}, hasUndo);
    c.Add(Id::Redo, tr("&Redo\tCtrl+Y"), Ctrl(Qt::Key_Y), [this] { session_.Redo(); }, {}, hasRedo);
    c.AddShortcut(Id::Redo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    c.Add(Id::Jumble, tr("&Jumble\tCtrl+J"), Ctrl(Qt::Key_J),
          [this] { session_.StartGame(StartRoute::Jumble, settings_.Dimension, settings_.PuzzleMode); });
    c.Add(Id::Grid, tr("&Grid\tCtrl+G"), Ctrl(Qt::Key_G), [this] { settings_.Grid = !settings_.Grid; view_->repaint(); },
          [&s] { return s.Grid; });
    const char* const gridColours[] = {QT_TR_NOOP("Black"), QT_TR_NOOP("White"), QT_TR_NOOP("Red")};
    const char* const selColours[] = {QT_TR_NOOP("Black"), QT_TR_NOOP("Yellow"), QT_TR_NOOP("Red")};
    for (int code = 0; code < 3; ++code) {
        const auto grid = static_cast<GridLineColour>(code);
        const auto frame = static_cast<FrameColour>(code);
        c.Add(Id::GridBlack + code, tr(gridColours[code]), {}, [this, grid] { settings_.GridColour = grid; view_->repaint(); },
              [&s, grid] { return s.GridColour == grid; });
        c.Add(Id::SelBlack + code, tr(selColours[code]), {}, [this, frame] { settings_.SelColour = frame; view_->repaint(); },
              [&s, frame] { return s.SelColour == frame; });
    }
    c.Add(Id::ShowSolution, tr("&Show solution\tCtrl+S"), Ctrl(Qt::Key_S), [this] { ShowSolution(); });
    c.Add(Id::SolveForMe, tr("Sol&ve for me"), {}, [this] { session_.SolveForMe(); });
    c.Add(Id::Hint, tr("&Hint\tCtrl+H"), Ctrl(Qt::Key_H), [this] { hints_->Request(); }, {},
          [this] { return !session_.Finished(); });
    c.Add(Id::Scoreboard, tr("Scoreboard"), {}, [this] { ShowScoreboards(this, *profile_); });
    c.Add(Id::Statistics, tr("St&atistics…"), {}, [this] { progress_->OpenStatistics(); });
    c.Add(Id::DailyPuzzle, tr("&Daily puzzle"), {}, [this] {
        CloseSolution();
        progress_->StartDaily();
    });
    c.Add(Id::Toolbar, tr("&Toolbar"), {}, [this] { toolbar_->ToggleShown(); },
          [this] { return toolbar_ && toolbar_->CheckShown(); });
    c.Add(Id::StatusBar, tr("Status bar"), {}, [this] { ShowStatusBar(!settings_.StatusBar); },
          [&s] { return s.StatusBar; });
    for (int n = Position::MinN; n <= Position::MaxN; ++n) {
        // Even the size already set rebuilds and re-jumbles the puzzle.
        c.Add(Id::SizeFor(n), tr("%1 x %1").arg(n), {}, [this, n] {
            settings_.Dimension = n;
            routes_->Start(false, StartRoute::Size);
        }, [&s, n] { return s.Dimension == n; });
    }
    for (const auto& [id, mode, text] : {std::tuple{Id::ModeTileSwap, GameMode::TileSwap, QT_TR_NOOP("Tile swap")},
                                         std::tuple{Id::ModeSlider, GameMode::Slider, QT_TR_NOOP("Slider puzzle")}})
        // Even the mode already set restarts the game.
        c.Add(id, tr(text), {}, [this, mode] {
            settings_.PuzzleMode = mode;
            session_.StartGame(StartRoute::Mode, settings_.Dimension, mode);
        }, [&s, mode] { return s.PuzzleMode == mode; });
    c.Add(Id::Sound, tr("Sound"), {}, [this] { settings_.Sound = !settings_.Sound; }, [&s] { return s.Sound; });
    c.Add(Id::Help, tr("Help"), {}, [this] { OpenHelpBook(programFolder_); });
    c.Add(Id::About, tr("&About"), {}, [this] { ShowAboutBox(this); });

    // Shortcuts belong to the window, so Ctrl+N works whichever form the File menu has.
    for (QAction* action : c.Actions())
        addAction(action);
}
