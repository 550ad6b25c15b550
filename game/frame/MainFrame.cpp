#include "MainFrame.h"

#include "BoardView.h"
#include "GameDialogs.h"
#include "GameMenus.h"
#include "GameHint.h"
#include "GameStatusBar.h"
#include "PictureExtensions.h"
#include "HintFlash.h"
#include "Profile.h"
#include "SavedGameStore.h"
#include "SoundPlayer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QLayout>

namespace {

QString RunningProgramFolder()
{
    QString folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith('/'))
        folder += '/';
    return folder;
}

// The one local picture file or archive a drag carries, by its extension; empty for anything else.
QString DroppedPicture(const QMimeData* data)
{
    if (data == nullptr || data->urls().size() != 1 || !data->urls().front().isLocalFile())
        return QString();
    const QString path = data->urls().front().toLocalFile();
    for (const QString& pattern : PictureAndArchivePatterns()) {
        if (path.endsWith(pattern.mid(1), Qt::CaseInsensitive))
            return path;
    }
    return QString();
}

} // namespace

MainFrame::MainFrame(MainFrameOptions options)
    : sounds_(std::move(options.Sounds)),
      session_(options.Clock ? *options.Clock : systemClock_, random_),
      puzzle_(random_),
      commands_(this)
{
    if (options.SharedProfile == nullptr)
        ownProfile_ = std::make_unique<Profile>();
    profile_ = options.SharedProfile ? options.SharedProfile : ownProfile_.get();
    if (!sounds_)
        sounds_ = SoundPlayer::CreateDefault();

    // The settings come before the window; the program's folder is the first-run picture folder.
    programFolder_ = options.ProgramFolder.isEmpty() ? RunningProgramFolder()
                                                     : options.ProgramFolder;
    settings_.Folder = programFolder_;
    settings_.LoadSettings(*profile_);

    setWindowTitle(QStringLiteral("Tilora"));
    setWindowIcon(QIcon(QStringLiteral(":/ICON/111")));
    // A caption, a system menu, minimise and close; no sizing and no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);

    view_ = new BoardView(session_, puzzle_.Current(), [this] {
        return BoardLook{settings_.Grid ? 1 : 0, static_cast<int>(settings_.GridColour),
                         static_cast<int>(settings_.SelColour)};
    }, this);
    setCentralWidget(view_);
    setAcceptDrops(true);
    flash_ = new HintFlash(view_);
    connect(view_, &BoardView::CellPressed, this,
            [this](int column, int row) { session_.Click({column, row}); });
    // The window is always exactly its menu, toolbar and board: it follows the board's size and
    // grows or shrinks as the toolbar takes space or gives it up.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    BuildCommands();
    menus_ = new GameMenus(this, commands_);
    CreateToolbar();
    CreateStatusBar();
    toolbarAllowance_ = toolbar_->sizeHint().height() + 12;
    measures_ = MeasureFrame(*this);
    move(50, 10);

    random_.Seed(static_cast<unsigned>(options.Clock ? options.Clock->Now() : systemClock_.Now()));
    session_.SetObserver(this);
    menus_->SetNewCommandStyle(false);
    if (!ResumeStoredGame())
        NewPuzzle(true, StartRoute::FirstPuzzle);
    commands_.RefreshChecks();
    frameReady_ = true;
}

MainFrame::~MainFrame()
{
    hints_.Cancel();
    session_.SetObserver(nullptr);
}

void MainFrame::CreateToolbar()
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
            Repaint();
        }
    });
    connect(menus_, &GameMenus::NewCommandStyleChanged, toolbar_, &GameToolbar::SetNewDropDown);
}

void MainFrame::CreateStatusBar()
{
    statusBar_ = new GameStatusBar([this] {
        const Position& shown = session_.Current();
        return StatusFacts{session_.Moves(), session_.RunningTime(), shown.N(), shown.Mode()};
    }, this);
    setStatusBar(statusBar_);
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

void MainFrame::NewPuzzle(bool random, StartRoute route)
{
    FitNewPicture(random);
    session_.StartGame(route, settings_.Dimension, settings_.PuzzleMode);
    ShowPuzzle();
}

bool MainFrame::FitNewPicture(bool random)
{
    const bool loaded = puzzle_.Load(random, settings_.Folder);
    measures_ = MeasureFrame(*this);
    const ScreenLimits limits = CurrentScreenLimits(*this, measures_, toolbarAllowance_);
    FitBoardToScreen(limits);
    layout()->activate();
    KeepWindowOnScreen(*this, measures_, limits);
    return loaded;
}

void MainFrame::ShowPuzzle()
{
    showNormal();
    Repaint();
    menus_->SetNewCommandStyle(puzzle_.FromArchive());
}

bool MainFrame::ResumeStoredGame()
{
    const SavedGame saved = SavedGameStore::Load(*profile_);
    // Read once: a record that cannot be carried on must not stop every later start as well.
    SavedGameStore::Forget(*profile_);
    const std::optional<Position> position = RestoredPosition(saved);
    if (!position || position->N() != settings_.Dimension || position->Mode() != settings_.PuzzleMode)
        return false;
    const bool builtIn = saved.Picture.empty();
    puzzle_.Choose(QString::fromStdString(saved.Picture), saved.ZipIndex, 0);
    if (!FitNewPicture(false) && !builtIn) {
        puzzle_.Choose(QString(), 1, 0);  // the first puzzle is drawn as if nothing had been kept
        return false;
    }
    session_.ResumeGame(*position, saved.Moves, saved.Elapsed, saved.Hints);
    ShowPuzzle();
    return true;
}

void MainFrame::StoreGame()
{
    if (session_.Finished())
        return SavedGameStore::Forget(*profile_);
    SavedGame saved;
    const PictureSource& source = puzzle_.Source();
    saved.Picture = source.IsBuiltIn() ? std::string() : source.Path.toStdString();
    saved.ZipIndex = source.ZipIndex;
    saved.N = session_.Current().N();
    saved.Mode = static_cast<int>(session_.Current().Mode());
    saved.Cells = CellsText(session_.Current());
    saved.Moves = session_.Moves();
    saved.Elapsed = session_.RunningTime();
    saved.Hints = session_.HintsUsed();
    SavedGameStore::Store(*profile_, saved);
}

void MainFrame::FitBoardToScreen(const ScreenLimits& limits)
{
    const Picture& picture = puzzle_.Current();
    const BoardSize size = FitBoard(NaturalPixels(picture.GetWidth(), view_->logicalDpiX()),
                                    NaturalPixels(picture.GetHeight(), view_->logicalDpiY()),
                                    settings_.Dimension, limits, measures_.MenuHeight,
                                    toolbar_->Placement().Shown, toolbarAllowance_);
    view_->SetBoardSize(QSize(size.Width, size.Height));
}

void MainFrame::Repaint()
{
    view_->repaint();
}

void MainFrame::Moved(const Move& move, const Position& before, const Position& after)
{
    PlaySound(move.Type == Move::Kind::Slide ? "IDR_SLIDER" : "IDR_SHUFFLE");
    view_->Glide(before, after);
}

void MainFrame::Changed()
{
    ForgetHintOnAnotherPosition();
    // Undo and Redo follow every move, so their shortcuts work only when there is something to do.
    commands_.RefreshChecks();
    statusBar_->Refresh();
    Repaint();
}

void MainFrame::Completed(const GameResult& result)
{
    commands_.RefreshChecks();
    PlaySound("IDR_COMPLETE");
    // The finished picture is in place before the announcement.
    view_->FinishGlide();
    ShowCongratulations(this, *profile_, result);
}

void MainFrame::OnHint()
{
    if (session_.Finished())
        return;
    const Position& now = session_.Current();
    hintFor_ = now;
    if (now.Mode() == GameMode::TileSwap) {
        const SwapHint hint = FindSwapHint(HintPositionOf(now));
        return ShowHint(HintCells(hint, now.N()),
                        QStringLiteral("Best: %1 swaps to go").arg(hint.swapsToGo));
    }
    hintRequest_ = hints_.Start(HintPositionOf(now), [this](std::uint64_t request, const SlideHint& hint) {
        QMetaObject::invokeMethod(this, [this, request, hint] { OnSlideHint(request, hint); },
                                  Qt::QueuedConnection);
    });
}

void MainFrame::OnSlideHint(std::uint64_t request, const SlideHint& hint)
{
    // A move since the request has made the answer stale; the position says so as well.
    if (request != hintRequest_ || hintFor_ != session_.Current())
        return;
    ShowHint(HintCells(hint, session_.Current().N()), QString());
}

void MainFrame::ShowHint(const std::vector<Cell>& cells, const QString& word)
{
    if (cells.empty())
        return;
    session_.NoteHintShown();
    const ShownBoard board = view_->Shown();
    std::vector<QRect> rects;
    for (const Cell& cell : cells)
        rects.emplace_back(cell.Column * board.TileWidth(), cell.Row * board.TileHeight(),
                           board.TileWidth(), board.TileHeight());
    flash_->Flash(std::move(rects), SelectionColourFor(static_cast<int>(settings_.SelColour)));
    statusBar_->SetHint(word);
}

void MainFrame::ForgetHintOnAnotherPosition()
{
    if (!hintFor_ || *hintFor_ == session_.Current())
        return;
    hintFor_.reset();
    hints_.Cancel();
    flash_->Stop();
    statusBar_->SetHint(QString());
}

void MainFrame::PlaySound(const char* name)
{
    if (settings_.Sound)
        sounds_->Play(QString::fromLatin1(name));
}

void MainFrame::ShowSolution()
{
    if (SolutionShown())
        return;
    const Picture& picture = puzzle_.Current();
    const int naturalWidth = NaturalPixels(picture.GetWidth(), view_->logicalDpiX());
    const int naturalHeight = NaturalPixels(picture.GetHeight(), view_->logicalDpiY());
    solution_ = OpenSolutionWindow(this, picture, naturalWidth, naturalHeight,
                                   [this] { solution_ = nullptr; });
}

void MainFrame::CloseSolution()
{
    if (QWidget* window = solution_) {
        solution_ = nullptr;
        window->close();
    }
}

void MainFrame::SaveSettings()
{
    settings_.SaveSettings(*profile_);
}

void MainFrame::closeEvent(QCloseEvent* event)
{
    SaveSettings();
    StoreGame();
    event->accept();
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void MainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedPicture(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

// The first picture of an archive, as the open-picture dialog starts with.
void MainFrame::dropEvent(QDropEvent* event)
{
    const QString path = DroppedPicture(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    OpenPicture(path, 1, 0);
}
