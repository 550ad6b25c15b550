#include "BoardView.h"

#include "PuzzleBoard.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

BoardView::BoardView(const PuzzleBoard& board, const Picture& picture, LookSource look,
                     QWidget* parent)
    : QWidget(parent), board_(board), picture_(picture), look_(std::move(look))
{
    // Every pixel is painted by the board itself, from an off-screen image.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::ArrowCursor);
}

void BoardView::FitToBoard()
{
    setFixedSize(qMax(board_.Width(), 1), qMax(board_.Height(), 1));
}

void BoardView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const BoardLook look = look_();
    PaintBoard(painter, event->rect(), board_, shown_.Arranged(board_, picture_, look));
}

// Every press counts, however quickly it follows the last: a double click arrives here too.
void BoardView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    emit BoardPressed(at.x(), at.y());
}
