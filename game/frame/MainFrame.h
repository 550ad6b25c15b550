#pragma once

#include "CommandTable.h"
#include "GameSettings.h"
#include "GameToolbar.h"
#include "Picture.h"
#include "PictureSource.h"
#include "PuzzleBoard.h"
#include "SoundPlayer.h"
#include "ZipPictureArchive.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class BoardView;
class Profile;
class QMenu;
class SoundPlayer;
struct BoardLook;
struct ScreenLimits;

// Where the frame gets what it would otherwise take from the machine; tests supply their own.
struct MainFrameOptions {
    QString ProgramFolder;               // empty: the running program's folder
    Profile* SharedProfile = nullptr;    // null: a profile of the frame's own
    std::unique_ptr<SoundPlayer> Sounds; // null: the speakers
};

// The game's one window: the board in the middle, the menus and the toolbar around it. It owns
// the board, the settings, the picture on show and its archive, and runs every command.
class MainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit MainFrame(MainFrameOptions options = {});
    ~MainFrame() override;

    const QString& ProgramFolder() const { return programFolder_; }
    bool FrameReady() const { return frameReady_; }
    GameSettings& Settings() { return settings_; }
    PuzzleBoard& Board() { return board_; }
    const PictureSource& Source() const { return source_; }
    const Picture& CurrentPicture() const { return picture_; }
    BoardView* View() const { return view_; }
    CommandTable& Commands() { return commands_; }
    QMenu* FileMenu() const { return fileMenu_; }
    Profile& UserProfile() { return *profile_; }

    // Toolbar state: shown, dock 1 top / 2 bottom / 3 floating, allowance = height + 12.
    GameToolbar* Toolbar() const { return toolbar_; }
    bool ToolbarShown() const { return toolbarPlace_.Shown; }
    int ToolbarDock() const { return toolbarPlace_.Dock; }
    int ToolbarAllowance() const { return toolbarAllowance_; }
    int CaptionHeight() const { return captionHeight_; }
    int MenuHeight() const { return menuHeight_; }
    int DialogFrameHeight() const { return dialogFrameHeight_; }

    // A new game: a random picture of the picture folder when random, else the current picture
    // again; the board fitted to the screen, the window sized around it, jumbled, shown.
    void NewPuzzle(bool random);
    void UseBuiltInPicture();

    // A left press at board pixel (x, y).
    void OnBoardClick(int x, int y);
    void SolveForMe();
    void ShowSolution();
    void CloseSolution();
    bool SolutionShown() const { return !solution_.isNull(); }

    // The File menu's New item is plain (40001) or, for a picture from an archive, the "&New"
    // pop-up with "From folder" and "From Zip archive".
    void SetNewCommandStyle(bool zip);
    bool NewCommandIsZipForm() const { return newIsZipForm_; }

    void SaveSettings();
    // Draws the board now, before returning.
    void Repaint();

signals:
    // The New command changed form; the toolbar's New button follows it.
    void NewCommandStyleChanged(bool zip);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Start-up
    void CreateToolbar();
    void MeasureFrame();
    void BuildCommands();
    void BuildMenus();
    QMenu* AddPopup(QMenu* menu, const QString& title, std::initializer_list<int> commands);
    void RefreshMenuChecks();

    // New puzzle
    ScreenLimits CurrentScreenLimits();
    void FitBoardToScreen(const ScreenLimits& limits);
    void SizeWindowToBoard(const ScreenLimits& limits);
    BoardLook CurrentLook() const;

    // Play
    void CompletePuzzle();
    void PlaySound(const char* name);

    // Commands
    void OnNew();
    void OnFromThisZip();
    void OnOpen();
    void OnExit();
    void OnJumble();
    void OnGrid();
    void SetGridColour(int colour);
    void SetSelColour(int colour);
    void SetDimension(int n);
    void SetPuzzleMode(int mode);
    void OnSound();
    void OnToolbar();
    void UpdateToolbarDock(int dock);
    void AdjustWindowForToolbar();

    std::unique_ptr<Profile> ownProfile_;
    Profile* profile_ = nullptr;
    std::unique_ptr<SoundPlayer> sounds_;
    QString programFolder_;
    GameSettings settings_;
    PuzzleBoard board_;
    Picture picture_;
    ZipPictureArchive archive_;
    PictureSource source_;
    CommandTable commands_;

    BoardView* view_ = nullptr;
    GameToolbar* toolbar_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* newPopup_ = nullptr;
    QPointer<QWidget> solution_;

    bool frameReady_ = false;
    bool newIsZipForm_ = false;
    ToolbarPlacement toolbarPlace_;
    int toolbarAllowance_ = 0;
    int captionHeight_ = 0;
    int menuHeight_ = 0;
    int dialogFrameHeight_ = 0;
};
