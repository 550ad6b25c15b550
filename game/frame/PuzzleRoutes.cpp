#include "PuzzleRoutes.h"

#include "BoardView.h"
#include "GameSettings.h"
#include "GameToolbar.h"
#include "KeptGame.h"
#include "SolutionDisplaySize.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace {

// A picture decoded for the sharpest screen stays sharp when the window moves to another.
qreal LargestPixelRatio()
{
    qreal largest = 1.0;
    for (const QScreen* screen : QGuiApplication::screens())
        largest = std::max(largest, screen->devicePixelRatio());
    return largest;
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

// The toolbar's allowance is measured once, with the toolbar as it first stands.
PuzzleRoutes::PuzzleRoutes(QMainWindow& window, BoardView& board, const GameToolbar& toolbar,
                           GameSession& session, GameSettings& settings, PuzzlePicture& puzzle)
    : window_(window), board_(board), toolbar_(toolbar), session_(session), settings_(settings),
      puzzle_(puzzle), fitter_(window, toolbar.sizeHint().height() + 12)
{
    puzzle_.SetDrawnSize([this](QSize natural) { return BoardPixelsFor(natural); });
}

QSize PuzzleRoutes::BoardPixelsFor(QSize natural)
{
    const QSize atScreen = NaturalSizeAt(natural, board_.logicalDpiX(), board_.logicalDpiY());
    const QSize logical = fitter_.BoardFor(atScreen, settings_.Dimension, toolbar_.Placement().Shown);
    const qreal ratio = LargestPixelRatio();
    return QSize(int(std::lround(logical.width() * ratio)), int(std::lround(logical.height() * ratio)));
}

QSize PuzzleRoutes::NaturalSize() const
{
    return puzzle_.NaturalSize(board_.logicalDpiX(), board_.logicalDpiY());
}

void PuzzleRoutes::Start(bool random, StartRoute route)
{
    FitNewPicture(random);
    session_.StartGame(route, settings_.Dimension, settings_.PuzzleMode);
    Show();
}

bool PuzzleRoutes::Resume(KeptGame& kept)
{
    const std::optional<KeptRecord> record = kept.Take(settings_.Dimension, settings_.PuzzleMode);
    if (!record)
        return false;
    puzzle_.Choose(QString::fromStdString(record->Saved.Picture), record->Saved.ZipIndex, 0);
    if (!FitNewPicture(false) && !record->Saved.Picture.empty()) {
        puzzle_.Choose(QString(), 1, 0);  // the first puzzle is drawn as if nothing had been kept
        return false;
    }
    kept.Resume(*record);
    Show();
    return true;
}

void PuzzleRoutes::StartBuiltInAt(const Position& position)
{
    puzzle_.Choose(QString(), 1, 0);
    FitNewPicture(false);
    session_.ResumeGame(position, 0, 0, false);
    Show();
}

void PuzzleRoutes::Open(const PictureSource& source)
{
    puzzle_.Choose(source);
    settings_.Folder = FolderOf(source.Path);
    Start(false, StartRoute::Open);
}

bool PuzzleRoutes::AnotherFromThisZip()
{
    if (!puzzle_.FromArchive() || puzzle_.Source().ZipCount < 1)
        return true;
    if (!puzzle_.ChooseAnotherMember())
        return false;
    Start(false, StartRoute::FromThisZip);
    return true;
}

bool PuzzleRoutes::FitNewPicture(bool random)
{
    const bool loaded = puzzle_.Load(random, settings_.Folder);
    const bool toolbarShown = toolbar_.Placement().Shown;
    const QSize natural = NaturalSize();
    board_.SetBoardSize(fitter_.BoardFor(natural, settings_.Dimension, toolbarShown));
    // A big picture was decoded at the board's size: the board takes those pixels for its cut,
    // and the picture keeps what the solution window shows.
    board_.CutPicture(settings_.Dimension);
    puzzle_.KeepSmallCopyOnceShared(SolutionDisplaySize(natural.width(), natural.height()) * LargestPixelRatio());
    fitter_.KeepOnScreen();
    return loaded;
}

// The session's new game has already repainted the board.
void PuzzleRoutes::Show()
{
    window_.showNormal();
    if (shown_)
        shown_(puzzle_.FromArchive());
}
