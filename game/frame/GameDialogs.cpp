#include "GameDialogs.h"

#include "AboutBox.h"
#include "CongratulationsDialog.h"
#include "Help.h"
#include "OpenPictureDialog.h"
#include "ScoreboardsDialog.h"
#include "SolutionWindow.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>

namespace {

// The solution is there to be looked at while playing: beside the game, not over the board.
// To the right of the main window when the screen has room, else to its left, else where the
// desktop puts it.
void PlaceBeside(QWidget* window, const QWidget* mainWindow)
{
    const QScreen* screen = mainWindow->screen();
    if (screen == nullptr)
        return;
    const QRect room = screen->availableGeometry();
    const QRect game = mainWindow->frameGeometry();
    const int gap = 8;
    const int width = window->frameGeometry().width();
    int x = game.right() + 1 + gap;
    if (x + width > room.right() + 1)
        x = game.left() - gap - width;
    if (x < room.left())
        return;
    window->move(x, std::max(game.top(), room.top()));
}

} // namespace

void ShowGameMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tilora"), text, QMessageBox::Ok, parent);
    box.exec();
}

void ShowCongratulations(QWidget* parent, Profile& profile, const GameResult& result)
{
    CongratulationsDialog dialog(parent, profile, result);
    dialog.exec();
}

void ShowScoreboards(QWidget* parent, Profile& profile)
{
    ScoreboardsDialog dialog(parent, profile);
    dialog.exec();
}

void ShowAboutBox(QWidget* parent)
{
    AboutBox dialog(parent);
    dialog.exec();
}

void OpenHelpBook(const QString& programFolder)
{
    OpenHelp(QApplication::activeWindow(), programFolder);
}

void SolutionLink::Open(QWidget* parent, const Picture& picture, const QSize& natural)
{
    if (Shown())
        return;
    auto* window = new SolutionWindow(parent, picture, natural.width(), natural.height());
    QObject::connect(window, &SolutionWindow::closed, window, [this] { window_ = nullptr; });
    PlaceBeside(window, parent);
    window->show();
    window_ = window;
}

void SolutionLink::Close()
{
    if (QWidget* window = window_) {
        window_ = nullptr;
        window->close();
    }
}

ChosenPicture AskForPicture(QWidget* parent, const QString& startFolder)
{
    OpenPictureDialog dialog(parent);
    if (!startFolder.isEmpty() && QDir(startFolder).exists())
        dialog.setDirectory(startFolder);
    dialog.exec();
    return ChosenPicture{dialog.FileTitle(), dialog.Chosen()};
}
