#pragma once

#include "FrameFitting.h"
#include "GameSession.h"
#include "PuzzlePicture.h"

#include <functional>

class BoardView;
class GameSettings;
class GameToolbar;
class KeptGame;
class QMainWindow;

// The ways to a new puzzle: its picture chosen and loaded, the board fitted to the screen and
// the window around it kept there, then the session's game started (or the kept game carried
// on), and the window shown.
class PuzzleRoutes {
public:
    // Told once a puzzle is on show: whether its picture came out of an archive.
    using ShownCall = std::function<void(bool fromArchive)>;

    PuzzleRoutes(QMainWindow& window, BoardView& board, const GameToolbar& toolbar,
                 GameSession& session, GameSettings& settings, PuzzlePicture& puzzle);

    // Picture size at the board's pixels per inch.
    QSize NaturalSize() const;
    void OnShown(ShownCall shown) { shown_ = std::move(shown); }

    // A random picture of the picture folder when random, else the current one again.
    void Start(bool random, StartRoute route);
    // The game kept at the last close, on its own picture; false, with nothing changed in the
    // session, when there is none or it cannot be carried on.
    bool Resume(KeptGame& kept);
    // The built-in picture with the game starting at position, as the daily puzzle has it.
    void StartBuiltInAt(const Position& position);
    // The picture the player chose (an archive's numbered one); its folder becomes the picture
    // folder.
    void Open(const PictureSource& source);
    // Another picture of the archive on show; false when it has only the one. Nothing happens
    // when the picture on show is not from an archive.
    bool AnotherFromThisZip();

private:
    // The picture loaded (false when the built-in one had to stand in) and the window fitted.
    bool FitNewPicture(bool random);
    // The board's size in device pixels for a picture of that natural size (its own pixels), so
    // that a big picture is decoded no larger than the board shows it.
    QSize BoardPixelsFor(QSize natural);
    void Show();

    QMainWindow& window_;
    BoardView& board_;
    const GameToolbar& toolbar_;
    GameSession& session_;
    GameSettings& settings_;
    PuzzlePicture& puzzle_;
    FrameFitter fitter_;
    ShownCall shown_;
};
