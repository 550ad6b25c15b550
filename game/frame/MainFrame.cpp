#include "MainFrame.h"

#include "BoardFitting.h"
#include "BoardInput.h"
#include "BoardView.h"
#include "GameDialogs.h"
#include "GameResult.h"
#include "Profile.h"
#include "PuzzleSetup.h"
#include "SoundPlayer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <cstdlib>
#include <ctime>

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
    : sounds_(std::move(options.Sounds)), commands_(this)
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
    board_.SetN(settings_.Dimension);
    board_.SetMode(static_cast<GameMode>(settings_.PuzzleMode));

    setWindowTitle(QStringLiteral("Tilora"));
    setWindowIcon(QIcon(QStringLiteral(":/ICON/111")));
    // A caption, a system menu, minimise and close; no sizing and no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);

    view_ = new BoardView(board_, picture_, [this] { return CurrentLook(); }, this);
    setCentralWidget(view_);
    connect(view_, &BoardView::BoardPressed, this, &MainFrame::OnBoardClick);
    // The window is always exactly its menu, toolbar and board: it follows the board's size and
    // grows or shrinks as the toolbar takes space or gives it up.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    BuildCommands();
    BuildMenus();
    CreateToolbar();
    toolbarAllowance_ = toolbar_->sizeHint().height() + 12;
    MeasureFrame();
    move(50, 10);

    std::srand(static_cast<unsigned>(std::time(nullptr)));
    SetNewCommandStyle(false);
    NewPuzzle(true);
    commands_.RefreshChecks();
    frameReady_ = true;
}

MainFrame::~MainFrame() = default;

void MainFrame::CreateToolbar()
{
    toolbar_ = new GameToolbar(this, [this](int id) { return commands_.Action(id); });
    // The board jumps to its new place at once when the toolbar moves, as the window does.
    setAnimated(false);
    addToolBar(Qt::TopToolBarArea, toolbar_);
    connect(toolbar_, &GameToolbar::PlaceChanged, this, &MainFrame::UpdateToolbarDock);
    connect(toolbar_, &GameToolbar::DropDownAboutToShow, this, &MainFrame::RefreshMenuChecks);
    connect(this, &MainFrame::NewCommandStyleChanged, toolbar_, &GameToolbar::SetNewDropDown);
    toolbarPlace_ = ToolbarPlacement{};
}

// The frame's own measures: taken from the real window once it has one, estimated before.
void MainFrame::MeasureFrame()
{
    menuHeight_ = menuBar()->sizeHint().height();
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    if (isVisible() && frame != client) {
        dialogFrameHeight_ = client.left() - frame.left();
        captionHeight_ = client.top() - frame.top() - dialogFrameHeight_;
    } else {
        dialogFrameHeight_ = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
        captionHeight_ = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    }
}

void MainFrame::NewPuzzle(bool random)
{
    if (!LoadPuzzlePicture(random, settings_.Folder, source_, picture_, archive_))
        UseBuiltInPicture();
    MeasureFrame();
    const ScreenLimits limits = CurrentScreenLimits();
    FitBoardToScreen(limits);
    board_.Jumble();
    SizeWindowToBoard(limits);
    board_.ResetGame();
    showNormal();
    Repaint();
    SetNewCommandStyle(!source_.BuiltIn && IsArchivePath(source_.Path));
}

void MainFrame::UseBuiltInPicture()
{
    LoadBuiltInPicture(picture_, source_);
    SetNewCommandStyle(false);
}

ScreenLimits MainFrame::CurrentScreenLimits()
{
    QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect available = shown ? shown->availableGeometry() : QRect(0, 0, 800, 600);
    return ComputeScreenLimits(available.width(), available.height(), captionHeight_, menuHeight_,
                               toolbarAllowance_);
}

void MainFrame::FitBoardToScreen(const ScreenLimits& limits)
{
    const int pixelsPerInchX = view_->logicalDpiX();
    const int pixelsPerInchY = view_->logicalDpiY();
    const BoardSize size = FitBoard(NaturalPixels(picture_.GetWidth(), pixelsPerInchX),
                                    NaturalPixels(picture_.GetHeight(), pixelsPerInchY),
                                    board_.N(), limits, menuHeight_, toolbarPlace_.Shown,
                                    toolbarAllowance_);
    board_.SetSize(size.Width, size.Height);
}

// The board's widget takes the board's size and the window fits itself around it; then the
// window is kept on the screen.
void MainFrame::SizeWindowToBoard(const ScreenLimits& limits)
{
    view_->FitToBoard();
    layout()->activate();
    QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    const QPoint origin = shown ? shown->availableGeometry().topLeft() : QPoint();
    const QSize client = size();
    const QRect frame(frameGeometry().topLeft() - origin,
                      QSize(client.width() + 2 * dialogFrameHeight_,
                            client.height() + captionHeight_ + 2 * dialogFrameHeight_));
    const QRect placed = PlaceWindow(frame, limits);
    if (placed.topLeft() != frame.topLeft())
        move(placed.topLeft() + origin);
}

BoardLook MainFrame::CurrentLook() const
{
    BoardLook look;
    look.Grid = settings_.Grid;
    look.GridColour = settings_.GridColour;
    look.SelColour = settings_.SelColour;
    const QPalette palette = QApplication::palette();
    look.ButtonFace = palette.color(QPalette::Button);
    look.ButtonShadow = palette.color(QPalette::Dark);
    return look;
}

void MainFrame::Repaint()
{
    view_->repaint();
}

void MainFrame::OnBoardClick(int x, int y)
{
    const ClickResult result = ApplyBoardClick(board_, x, y);
    switch (result) {
    case ClickResult::Ignored:
        return;
    case ClickResult::Selected:
    case ClickResult::Deselected:
        Repaint();
        return;
    case ClickResult::Slid:
        PlaySound("IDR_SLIDER");
        break;
    case ClickResult::Swapped:
        PlaySound("IDR_SHUFFLE");
        break;
    }
    // The player sees the finished picture before any dialog.
    Repaint();
    if (CompletesGame(board_))
        CompletePuzzle();
}

void MainFrame::CompletePuzzle()
{
    // A clock set back while playing must not give a negative time on the scoreboard.
    const long elapsed = static_cast<long>(std::time(nullptr) - board_.StartTime());
    board_.SetElapsed(elapsed < 0 ? 0 : elapsed);
    const GameResult result{settings_.PuzzleMode, board_.N(), board_.Elapsed(), board_.Moves()};
    PlaySound("IDR_COMPLETE");
    ShowCongratulations(this, *profile_, result);
    board_.SetFinished(true);
}

void MainFrame::PlaySound(const char* name)
{
    if (settings_.Sound != 0)
        sounds_->Play(QString::fromLatin1(name));
}

// The program's solution ends the game without a score. In slider mode it leaves no hole, so
// slides are refused until the next game (see ApplyBoardClick).
void MainFrame::SolveForMe()
{
    board_.FillSolved();
    board_.SetFinished(true);
    board_.ClearSelection();
    Repaint();
}

void MainFrame::ShowSolution()
{
    if (SolutionShown())
        return;
    const int naturalWidth = NaturalPixels(picture_.GetWidth(), view_->logicalDpiX());
    const int naturalHeight = NaturalPixels(picture_.GetHeight(), view_->logicalDpiY());
    solution_ = OpenSolutionWindow(this, source_, naturalWidth, naturalHeight,
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
    event->accept();
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}
