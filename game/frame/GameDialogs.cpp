#include "GameDialogs.h"

#include "CongratulationsDialog.h"
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

// The About box, the help book and the open-picture dialog are connected here as they land.
void ShowAboutBox(QWidget* parent)
{
    (void)parent;
}

void OpenHelpBook(const QString& programFolder)
{
    (void)programFolder;
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
    (void)parent;
    return ChosenPicture{};
}
