#include "MainFrame.h"

#include "BoardView.h"
#include "GameDialogs.h"
#include "GameMenus.h"
#include "GameStatusBar.h"
#include "FewestMovesNote.h"
#include "HintFlow.h"
#include "PictureDrop.h"
#include "PlayerProgress.h"
#include "Profile.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>

namespace {

QString RunningProgramFolder()
{
    QString folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith('/'))
        folder += '/';
    return folder;
}

} // namespace

MainFrame::MainFrame(MainFrameOptions options)
    : ownProfile_(options.SharedProfile ? nullptr : std::make_unique<Profile>()),
      profile_(options.SharedProfile ? options.SharedProfile : ownProfile_.get()),
      sounds_(options.Sounds ? std::move(options.Sounds) : SoundPlayer::CreateDefault()),
      session_(options.Clock ? *options.Clock : systemClock_, random_),
      programFolder_(options.ProgramFolder.isEmpty() ? RunningProgramFolder() : options.ProgramFolder),
      puzzle_(random_),
      commands_(this),
      kept_(*profile_, session_),
      gameSounds_(*sounds_, [this] { return settings_.Sound; })
{
    // The settings come before the window; the program's folder is the first-run picture folder.
    settings_.Folder = programFolder_;
    settings_.LoadSettings(*profile_);

    setWindowTitle(QStringLiteral("Tilora"));
    setWindowIcon(QIcon(QStringLiteral(":/ICON/111")));

    view_ = new BoardView(session_, puzzle_.Current(), [this] {
        return BoardLook{settings_.Grid ? 1 : 0, static_cast<int>(settings_.GridColour),
                         static_cast<int>(settings_.SelColour)};
    }, this);
    setCentralWidget(view_);
    FixFrameToItsContents(*this);
    hints_ = new HintFlow(session_, *view_);
    note_ = new FewestMovesNote(session_, this);
    // The first picture of an archive, as the open-picture dialog starts with.
    new PictureDrop(this, [this](const QString& path) { routes_->Open(PictureSource::ForPath(path)); });

    BuildCommands();
    menus_ = new GameMenus(this, commands_);
    CreateBars();
    routes_.emplace(*this, *view_, *toolbar_, session_, settings_, puzzle_);
    routes_->OnShown([this](bool fromArchive) { menus_->SetNewCommandStyle(fromArchive); });
    progress_ = new PlayerProgress(*this, *profile_, session_, settings_, *routes_, puzzle_, *note_, *statusBar_);
    move(50, 10);

    random_.Seed(static_cast<unsigned>(options.Clock ? options.Clock->Now() : systemClock_.Now()));
    for (SessionListener* listener : Followers())
        session_.AddListener(listener);
    menus_->SetNewCommandStyle(false);
    if (!routes_->Resume(kept_))
        routes_->Start(true, StartRoute::FirstPuzzle);
    frameReady_ = true;
}

MainFrame::~MainFrame()
{
    hints_->Cancel();
    for (SessionListener* listener : Followers())
        session_.RemoveListener(listener);
    // The board reads the session and picture: members, gone before the window's children.
    delete view_;
}

// In this order: a finished game's sound and whole picture come before the congratulations, the
// history has the game before any dialog shows, and a daily result comes last.
std::vector<SessionListener*> MainFrame::Followers()
{
    return {hints_, &gameSounds_, view_, statusBar_, &kept_, note_, progress_, this, progress_->Announcer()};
}

void MainFrame::CreateBars()
{
    toolbar_ = new GameToolbar(this, commands_);
    // The board jumps to its new place at once when the toolbar moves, as the window does.
    setAnimated(false);
    addToolBar(Qt::TopToolBarArea, toolbar_);
    // The window's layout keeps it exactly around the menu, the docked toolbar and the board, so
    // it grows or shrinks by the toolbar's room as soon as the layout is brought up to date.
    connect(toolbar_, &GameToolbar::RoomChanged, this, [this] {
        if (frameReady_) {
            layout()->activate();
            view_->repaint();
        }
    });
    connect(menus_, &GameMenus::NewCommandStyleChanged, toolbar_, &GameToolbar::SetNewDropDown);

    statusBar_ = new GameStatusBar([this] { return StatusFactsOf(session_); }, this);
    setStatusBar(statusBar_);
    connect(hints_, &HintFlow::Worded, statusBar_, &GameStatusBar::SetHint);
    connect(note_, &FewestMovesNote::Noted, statusBar_, &GameStatusBar::ShowNote);
    ShowStatusBar(settings_.StatusBar);
}

// The window grows or shrinks by the bar's height; the board stays as it is.
void MainFrame::ShowStatusBar(bool shown)
{
    settings_.StatusBar = shown;
    statusBar_->setVisible(shown);
    statusBar_->Refresh();
    if (frameReady_)
        layout()->activate();
}

// Undo and Redo follow every move, so their shortcuts work only when there is something to do.
void MainFrame::Changed()
{
    commands_.RefreshChecks();
}

void MainFrame::Completed(const GameResult& result)
{
    ShowCongratulations(this, *profile_, result);
}

void MainFrame::SaveSettings()
{
    settings_.SaveSettings(*profile_);
}

void MainFrame::closeEvent(QCloseEvent* event)
{
    SaveSettings();
    const PictureSource& source = puzzle_.Source();
    kept_.Store(source.IsBuiltIn() ? std::string() : source.Path.toStdString(), source.ZipIndex, note_->Fewest());
    event->accept();
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}
