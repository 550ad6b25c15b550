#include "BoardView.h"

#include "BoardGeometry.h"
#include "GameSession.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

BoardView::BoardView(const GameSession& session, const Picture& picture, LookSource look,
                     QWidget* parent)
    : QWidget(parent), session_(session), picture_(picture), look_(std::move(look))
{
    // Every pixel is painted by the board itself, from an off-screen image.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::ArrowCursor);
}

void BoardView::SetBoardSize(const QSize& size)
{
    size_ = size;
    setFixedSize(qMax(size.width(), 1), qMax(size.height(), 1));
}

ShownBoard BoardView::Shown() const
{
    return ShownBoard{session_.Current(), session_.Selection(), size_.width(), size_.height()};
}

void BoardView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const ShownBoard board = Shown();
    BoardLook look = look_();
    look.ButtonFace = palette().color(QPalette::Button);
    look.ButtonShadow = palette().color(QPalette::Dark);
    PaintBoard(painter, event->rect(), board, shown_.Arranged(board, picture_, look));
}

// Every press counts, however quickly it follows the last: a double click arrives here too.
void BoardView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    const int n = session_.Current().N();
    if (const auto cell = CellAtPixel(at.x(), at.y(), size_.width(), size_.height(), n))
        emit CellPressed(cell->Column, cell->Row);
}
