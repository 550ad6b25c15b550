#include "GameDialogs.h"

#include "AboutBox.h"
#include "CongratulationsDialog.h"
#include "Help.h"
#include "OpenPictureDialog.h"
#include "PictureSource.h"
#include "ScoreboardsDialog.h"
#include "SolutionWindow.h"

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

// A missing help book is the desktop's to report, or not; the game goes on either way.
void OpenHelpBook(const QString& programFolder)
{
    OpenHelp(programFolder);
}

QWidget* OpenSolutionWindow(QWidget* parent, const PictureSource& source, int naturalWidth,
                            int naturalHeight, std::function<void()> onClosed)
{
    auto* window = new SolutionWindow(parent, source, naturalWidth, naturalHeight);
    QObject::connect(window, &SolutionWindow::closed, window, std::move(onClosed));
    window->show();
    return window;
}

ChosenPicture AskForPicture(QWidget* parent)
{
    OpenPictureDialog dialog(parent);
    dialog.exec();
    return ChosenPicture{dialog.FileTitle(), dialog.PathName(), dialog.PictureNumber(),
                         dialog.PictureCount()};
}
