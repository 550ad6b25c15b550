#pragma once

#include "BoardPainter.h"
#include "TileGlide.h"

#include <QVariantAnimation>
#include <QWidget>
#include <functional>
#include <optional>

class GameSession;
class Picture;

// The main window's central widget: exactly the board, W x H. It paints the session's position
// and reports every left-button press on a tile as that tile's cell; presses off the tiles go
// nowhere. Keys become presses too: in slider mode an arrow presses the tile that then slides
// the arrow's way into the hole; in tile swap the arrows move a keyboard cursor, shown from the
// first arrow on, and Space or Return presses its cell. The rules live in the session.
class BoardView : public QWidget {
    Q_OBJECT
public:
    // The options of the look; the view adds the desktop's button colours for the hole.
    using LookSource = std::function<BoardLook()>;

    static constexpr int GlideMilliseconds = 120;

    BoardView(const GameSession& session, const Picture& picture, LookSource look,
              QWidget* parent = nullptr);

    // The board's size in pixels; the widget is fixed at it, so the window fits around it.
    void SetBoardSize(const QSize& size);
    QSize BoardSize() const { return size_; }
    ShownBoard Shown() const;
    // The keyboard cursor's cell while it is shown.
    std::optional<Cell> Cursor() const;

    // Shows the tiles of a move gliding from their cells before it to their cells after it.
    void Glide(const Position& before, const Position& after);
    bool Gliding() const { return glide_.state() == QAbstractAnimation::Running; }
    // Puts every gliding tile in its place now.
    void FinishGlide();

signals:
    void CellPressed(int column, int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    BoardLook Look() const;
    void CursorKey(int key);
    void PaintGlide(QPainter& painter, const QRegion& area, const BoardLook& look);
    void UpdateGlide();
    void StopGlide();

    const GameSession& session_;
    const Picture& picture_;
    LookSource look_;
    QSize size_;
    BoardPicture shown_;
    Cell cursor_;
    bool cursorShown_ = false;
    QVariantAnimation glide_;
    std::optional<Position> glideAfter_;
    std::vector<TileGlide> glides_;
    QRegion glideShown_;  // where the gliding tiles stood at the last frame
};
