#pragma once

#include "PictureSource.h"

#include <QPointer>
#include <QSize>
#include <QString>
#include <QWidget>

class Profile;
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

// The one modeless solution window, opened beside its parent and forgotten once it closes by
// itself or is closed.
class SolutionLink {
public:
    // Nothing when it is already open: it goes on showing the picture it has.
    void Open(QWidget* parent, const Picture& picture, const QSize& natural);
    void Close();
    bool Shown() const { return !window_.isNull(); }

private:
    QPointer<QWidget> window_;
};

// What the open-picture dialog reports; an empty FileTitle means nothing was chosen.
struct ChosenPicture {
    QString FileTitle;
    PictureSource Source;
};
// The dialog opens in startFolder (the picture folder) when that folder exists.
ChosenPicture AskForPicture(QWidget* parent, const QString& startFolder);
