#pragma once

#include "BoardPainter.h"

#include <QWidget>
#include <functional>

class Picture;
class PuzzleBoard;

// The main window's central widget: exactly the board, W x H. It paints the board and reports
// every left-button press in board pixels; the rules live elsewhere.
class BoardView : public QWidget {
    Q_OBJECT
public:
    using LookSource = std::function<BoardLook()>;

    BoardView(const PuzzleBoard& board, const Picture& picture, LookSource look,
              QWidget* parent = nullptr);

    // Fixes the widget at the board's size, so that the window fits around it.
    void FitToBoard();

signals:
    void BoardPressed(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const PuzzleBoard& board_;
    const Picture& picture_;
    LookSource look_;
    BoardPicture shown_;
};
