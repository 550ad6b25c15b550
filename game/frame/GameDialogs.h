#pragma once

#include "PictureSource.h"

#include <QString>
#include <functional>

class Profile;
class QWidget;
struct GameResult;
class Picture;

// The dialogs the main window opens, behind plain calls so that the frame's command handlers
// read as the commands do. The modal ones return when the dialog has closed.

// A plain message with an OK button, the game's name as its caption.
void ShowGameMessage(QWidget* parent, const QString& text);
void ShowCongratulations(QWidget* parent, Profile& profile, const GameResult& result);
void ShowScoreboards(QWidget* parent, Profile& profile);
void ShowAboutBox(QWidget* parent);
void OpenHelpBook(const QString& programFolder);

// The modeless solution window; onClosed runs when it closes by itself or is closed.
QWidget* OpenSolutionWindow(QWidget* parent, const Picture& picture, int naturalWidth,
                            int naturalHeight, std::function<void()> onClosed);

// What the open-picture dialog reports; an empty FileTitle means nothing was chosen.
struct ChosenPicture {
    QString FileTitle;
    PictureSource Source;
};
// The dialog opens in startFolder (the picture folder) when that folder exists.
ChosenPicture AskForPicture(QWidget* parent, const QString& startFolder);
