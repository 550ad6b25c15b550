#pragma once

#include "CommandTable.h"
#include "FrameFitting.h"
#include "GameClock.h"
#include "GameSession.h"
#include "GameSettings.h"
#include "GameToolbar.h"
#include "HintRunner.h"
#include "RandomSource.h"
#include "SoundPlayer.h"
#include "PuzzleSetup.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class BoardView;
class GameMenus;
class GameStatusBar;
class HintFlash;
class Profile;

// Where the frame gets what it would otherwise take from the machine; tests supply their own.
struct MainFrameOptions {
    QString ProgramFolder;               // empty: the running program's folder
    Profile* SharedProfile = nullptr;    // null: a profile of the frame's own
    std::unique_ptr<SoundPlayer> Sounds; // null: the speakers
    const GameClock* Clock = nullptr;    // null: the calendar clock
};

// The game's one window: the board in the middle, the menus and the toolbar around it. It owns
// the settings and the picture on show, turns commands and presses into calls on the game
// session, and repaints, plays sounds and congratulates when the session says so.
class MainFrame : public QMainWindow, private SessionObserver {
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
    HintFlash* Flash() const { return flash_; }

    // Toolbar state: shown, and dock 1 top / 2 bottom / 3 floating.
    GameToolbar* Toolbar() const { return toolbar_; }
    bool ToolbarShown() const { return toolbar_->Placement().Shown; }
    int ToolbarDock() const { return toolbar_->Placement().Dock; }

    void ShowSolution();
    void CloseSolution();
    bool SolutionShown() const { return !solution_.isNull(); }
    void SaveSettings();
    // Draws the board now, before returning.
    void Repaint();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A picture file or an archive dropped from a file manager is opened as Open opens it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildCommands();
    void CreateToolbar();
    void CreateStatusBar();
    void ShowStatusBar(bool shown);

    // A new game along its route: the picture (a random one of the picture folder when random,
    // else the current one again), the board fitted to the screen and the window around it,
    // then the session's new game.
    void NewPuzzle(bool random, StartRoute route);
    // The two halves of a new puzzle around the session's game: the picture loaded (false when
    // the built-in one had to stand in) and the window fitted to it; then the window shown.
    bool FitNewPicture(bool random);
    void ShowPuzzle();
    void FitBoardToScreen(const ScreenLimits& limits);
    // The game left in play at the last close, on its own picture; false, with nothing changed
    // in the session, when there is none or it cannot be carried on.
    bool ResumeStoredGame();
    // Keeps the game in play for the next run; a finished game is not kept.
    void StoreGame();

    // What the session reports.
    void Moved(const Move& move, const Position& before, const Position& after) override;
    void Changed() override;
    void Completed(const GameResult& result) override;
    void PlaySound(const char* name);

    // Hints: the tile-swap one at once, the slider one when the search behind it delivers. A hint
    // holds only for the position it was asked for.
    void OnHint();
    void OnSlideHint(std::uint64_t request, const SlideHint& hint);
    void ShowHint(const std::vector<Cell>& cells, const QString& word);
    void ForgetHintOnAnotherPosition();

    // Commands
    void OnFromThisZip();
    void OnOpen();
    void OpenPicture(const QString& path, int pictureNumber, int pictureCount);

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

    BoardView* view_ = nullptr;
    GameToolbar* toolbar_ = nullptr;
    GameMenus* menus_ = nullptr;
    GameStatusBar* statusBar_ = nullptr;
    HintFlash* flash_ = nullptr;
    HintRunner hints_;
    std::uint64_t hintRequest_ = 0;
    std::optional<Position> hintFor_;
    QPointer<QWidget> solution_;

    bool frameReady_ = false;
    int toolbarAllowance_ = 0;
    FrameMeasures measures_;
};
