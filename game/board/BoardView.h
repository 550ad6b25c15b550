#pragma once

#include "BoardPainter.h"
#include "BoardReading.h"
#include "GameSession.h"
#include "TileGlide.h"

#include <QVariantAnimation>
#include <QWidget>
#include <functional>
#include <optional>

class Picture;

// The main window's central widget: exactly the board, W x H. It paints the session's position
// with its marks, repaints when the session changes and lets a move's tiles glide. Left-button
// presses and the arrow, Space and Return keys go to the session as they are; what they do (and
// the selection and keyboard cursor they leave) is the session's. Screen readers read it as a
// table of cells and are told what each change of the session changed.
class BoardView : public QWidget, public SessionListener {
    Q_OBJECT
public:
    // The options of the look; the view adds the desktop's button colours for the hole.
    using LookSource = std::function<BoardLook()>;

    static constexpr int GlideMilliseconds = 120;

    BoardView(GameSession& session, const Picture& picture, LookSource look,
              QWidget* parent = nullptr);

    // The board's size in pixels; the widget is fixed at it, so the window fits around it.
    void SetBoardSize(const QSize& size);
    // Cuts the picture for a board of n x n cells now rather than at the first paint, so that the
    // picture can let go of pixels the board then holds.
    void CutPicture(int n);
    QSize BoardSize() const { return size_; }
    ShownBoard Shown() const;
    // The options of the look with the desktop's colours, as the board is painted.
    BoardLook Look() const;
    // The keyboard cursor's cell while it is shown.
    std::optional<Cell> Cursor() const { return session_.Cursor(); }
    // Where the keys act: the cursor in tile swap, the hole in a slider puzzle.
    std::optional<Cell> KeyboardCell() const;
    // The board as a screen reader reads it now.
    BoardReading Reading() const;
    // A press on a cell by other means than the mouse, doing what a click there does.
    void PressCell(Cell cell);
    // Tells screen readers what changed since they were last told: after every change of the
    // session, of the focus and of a hint's flash.
    void TellScreenReaders();

    // Shows the tiles of a move gliding from their cells before it to their cells after it.
    void Glide(const Position& before, const Position& after);
    bool Gliding() const { return glide_.state() == QAbstractAnimation::Running; }
    // Puts every gliding tile in its place now.
    void FinishGlide();

    // What the session reports: a move glides, a change repaints at once, and a finished game
    // shows its picture whole before anyone announces it.
    void Moved(const Move& move, const Position& before, const Position& after) override;
    void Changed() override;
    void Completed(const GameResult& result) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void UpdateGlide();
    void StopGlide();
    std::vector<Cell> HintedCells() const;

    GameSession& session_;
    const Picture& picture_;
    LookSource look_;
    QSize size_;
    BoardPicture board_;
    QVariantAnimation glide_;
    std::optional<Position> glideAfter_;
    std::vector<TileGlide> glides_;
    QRegion glideShown_;  // where the gliding tiles stood at the last frame
    BoardReading told_;   // what screen readers were last told
};
