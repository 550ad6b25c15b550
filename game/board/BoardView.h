#pragma once

#include "BoardPainter.h"

#include <QWidget>
#include <functional>

class GameSession;
class Picture;

// The main window's central widget: exactly the board, W x H. It paints the session's position
// and reports every left-button press on a tile as that tile's cell; presses off the tiles go
// nowhere. The rules live in the session.
class BoardView : public QWidget {
    Q_OBJECT
public:
    // The options of the look; the view adds the desktop's button colours for the hole.
    using LookSource = std::function<BoardLook()>;

    BoardView(const GameSession& session, const Picture& picture, LookSource look,
              QWidget* parent = nullptr);

    // The board's size in pixels; the widget is fixed at it, so the window fits around it.
    void SetBoardSize(const QSize& size);
    QSize BoardSize() const { return size_; }
    ShownBoard Shown() const;

signals:
    void CellPressed(int column, int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const GameSession& session_;
    const Picture& picture_;
    LookSource look_;
    QSize size_;
    BoardPicture shown_;
};
