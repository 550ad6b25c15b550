#include "HintFlash.h"

#include <QPainter>

namespace {

constexpr int BlinkMs = 250;
constexpr int FrameWidth = 3;

} // namespace

HintFlash::HintFlash(QWidget* board) : QWidget(board)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
    blinks_.setInterval(BlinkMs);
    connect(&blinks_, &QTimer::timeout, this, &HintFlash::Blink);
}

void HintFlash::Flash(std::vector<QRect> cells, const QColor& colour)
{
    cells_ = std::move(cells);
    colour_ = colour;
    blinksLeft_ = DurationMs / BlinkMs;
    setGeometry(parentWidget()->rect());
    raise();
    show();
    blinks_.start();
    emit CellsChanged();
}

void HintFlash::Stop()
{
    blinks_.stop();
    const bool flashing = Flashing();
    cells_.clear();
    hide();
    if (flashing)
        emit CellsChanged();
}

// On and off in turn; the last blink ends the flash.
void HintFlash::Blink()
{
    if (--blinksLeft_ <= 0)
        return Stop();
    setVisible(!isVisible());
}

void HintFlash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QPen pen(colour_, FrameWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    for (const QRect& cell : cells_)
        painter.drawRect(cell.adjusted(FrameWidth / 2 + 1, FrameWidth / 2 + 1, -FrameWidth / 2 - 1,
                                       -FrameWidth / 2 - 1));
}
