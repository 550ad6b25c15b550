#pragma once

#include "CommandTable.h"
#include "GameClock.h"
#include "GameDialogs.h"
#include "GameSession.h"
#include "GameSettings.h"
#include "GameSounds.h"
#include "GameToolbar.h"
#include "KeptGame.h"
#include "PuzzleRoutes.h"
#include "RandomSource.h"
#include "SlideHint.h"

#include <QMainWindow>
#include <memory>
#include <optional>

class BoardView;
class GameMenus;
class GameStatusBar;
class HintFlow;
class FewestMovesNote;
class PlayerProgress;
class Profile;

// Where the frame gets what it would otherwise take from the machine; tests supply their own.
struct MainFrameOptions {
    QString ProgramFolder;               // empty: the running program's folder
    Profile* SharedProfile = nullptr;    // null: a profile of the frame's own
    std::unique_ptr<SoundPlayer> Sounds; // null: the speakers
    const GameClock* Clock = nullptr;    // null: the calendar clock
};

// The game's one window: the board in the middle, the menus, toolbar and status line around it.
// It wires the parts together: the command table to its handlers, the session to those who
// follow it (board, status line, sounds, hints, kept game), and a new puzzle's picture to the
// board's size and the window's place. It refreshes the commands and congratulates itself.
class MainFrame : public QMainWindow, private SessionListener {
    Q_OBJECT
public:
    explicit MainFrame(MainFrameOptions options = {});
    ~MainFrame() override;

    bool FrameReady() const { return frameReady_; }
    GameSettings& Settings() { return settings_; }
    GameSession& Session() { return session_; }
    const PictureSource& Source() const { return puzzle_.Source(); }
    BoardView* View() const { return view_; }
    CommandTable& Commands() { return commands_; }
    GameMenus& Menus() { return *menus_; }
    GameStatusBar* StatusLine() const { return statusBar_; }
    HintFlow* Hints() const { return hints_; }

    // Toolbar state: shown, and dock 1 top / 2 bottom / 3 floating.
    GameToolbar* Toolbar() const { return toolbar_; }
    bool ToolbarShown() const { return toolbar_->Placement().Shown; }
    int ToolbarDock() const { return toolbar_->Placement().Dock; }

    void ShowSolution() { solution_.Open(this, puzzle_.Current(), routes_->NaturalSize()); }
    void CloseSolution() { solution_.Close(); }
    bool SolutionShown() const { return solution_.Shown(); }
    void SaveSettings();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildCommands();
    void CreateBars();
    // Those who follow the session, in the order they are told.
    std::vector<SessionListener*> Followers();
    void ShowStatusBar(bool shown);

    void Changed() override;
    void Completed(const GameResult& result) override;

    std::unique_ptr<Profile> ownProfile_;
    Profile* profile_ = nullptr;
    std::unique_ptr<SoundPlayer> sounds_;
    SystemClock systemClock_;
    CLibraryRandom random_;
    GameSession session_;
    QString programFolder_;
    GameSettings settings_;
    PuzzlePicture puzzle_;
    CommandTable commands_;
    KeptGame kept_;
    GameSounds gameSounds_;

    BoardView* view_ = nullptr;
    HintFlow* hints_ = nullptr;
    FewestMovesNote* note_ = nullptr;
    PlayerProgress* progress_ = nullptr;
    GameToolbar* toolbar_ = nullptr;
    GameMenus* menus_ = nullptr;
    GameStatusBar* statusBar_ = nullptr;
    SolutionLink solution_;
    std::optional<PuzzleRoutes> routes_;
    bool frameReady_ = false;
};
