#include "GameDialogs.h"

#include "AboutBox.h"
#include "CongratulationsDialog.h"
#include "Help.h"
#include "OpenPictureDialog.h"
#include "PictureSource.h"
#include "ScoreboardsDialog.h"

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
    OpenHelp(programFolder);
}

QWidget* OpenSolutionWindow(QWidget* parent, const PictureSource& source, int naturalWidth,
                            int naturalHeight, std::function<void()> onClosed)
{
    // Connected by the lead once the solution window has landed.
    (void)parent;
    (void)source;
    (void)naturalWidth;
    (void)naturalHeight;
    (void)onClosed;
    return nullptr;
}

ChosenPicture AskForPicture(QWidget* parent)
{
    OpenPictureDialog dialog(parent);
    dialog.exec();
    return ChosenPicture{dialog.FileTitle(), dialog.PathName(), dialog.PictureNumber(),
                         dialog.PictureCount()};
}
