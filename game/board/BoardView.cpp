#include "BoardView.h"

#include "BoardAccessible.h"
#include "BoardGeometry.h"
#include "HintFlash.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {

std::optional<Direction> ArrowOf(int key)
{
    switch (key) {
    case Qt::Key_Left: return Direction::Left;
    case Qt::Key_Right: return Direction::Right;
    case Qt::Key_Up: return Direction::Up;
    case Qt::Key_Down: return Direction::Down;
    default: return std::nullopt;
    }
}

} // namespace

BoardView::BoardView(GameSession& session, const Picture& picture, LookSource look,
                     QWidget* parent)
    : QWidget(parent), session_(session), picture_(picture), look_(std::move(look))
{
    // Every pixel is painted by the board itself, from an off-screen image.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::StrongFocus);
    setFocus();
    InstallBoardAccessibility();
    told_ = Reading();
    glide_.setDuration(GlideMilliseconds);
    glide_.setStartValue(0.0);
    glide_.setEndValue(1.0);
    glide_.setEasingCurve(QEasingCurve::OutCubic);
    connect(&glide_, &QVariantAnimation::valueChanged, this, &BoardView::UpdateGlide);
    connect(&glide_, &QAbstractAnimation::finished, this, &BoardView::FinishGlide);
}

void BoardView::SetBoardSize(const QSize& size)
{
    size_ = size;
    setFixedSize(qMax(size.width(), 1), qMax(size.height(), 1));
}

void BoardView::CutPicture(int n)
{
    board_.Tiles(picture_, n, size_.width(), size_.height(), devicePixelRatio());
}

ShownBoard BoardView::Shown() const
{
    return ShownBoard{session_.Current(), session_.Selection(), size_.width(), size_.height(),
                      session_.Cursor(), devicePixelRatio()};
}

void BoardView::Moved(const Move&, const Position& before, const Position& after)
{
    Glide(before, after);
}

void BoardView::Changed()
{
    repaint();
    TellScreenReaders();
}

std::optional<Cell> BoardView::KeyboardCell() const
{
    const Position& current = session_.Current();
    if (current.Mode() == GameMode::Slider)
        return current.HasHole() ? std::optional<Cell>(current.HoleCell()) : std::nullopt;
    return session_.Cursor();
}

BoardReading BoardView::Reading() const
{
    return BoardReading(session_.Current(), session_.Selection(),
                        hasFocus() ? KeyboardCell() : std::nullopt, HintedCells());
}

// The cells under the hint's frames, while it flashes.
std::vector<Cell> BoardView::HintedCells() const
{
    std::vector<Cell> cells;
    const auto* flash = findChild<HintFlash*>(QString(), Qt::FindDirectChildrenOnly);
    if (flash == nullptr)
        return cells;
    for (const QRect& rect : flash->Cells())
        if (const auto cell = CellAtPixel(rect.center().x(), rect.center().y(), size_.width(),
                                          size_.height(), session_.Current().N()))
            cells.push_back(*cell);
    return cells;
}

void BoardView::TellScreenReaders()
{
    BoardReading now = Reading();
    TellBoardChanges(*this, CompareReadings(told_, now));
    told_ = std::move(now);
}

void BoardView::PressCell(Cell cell)
{
    FinishGlide();
    session_.PressPointer(cell);
}

void BoardView::Completed(const GameResult&)
{
    FinishGlide();
}

BoardLook BoardView::Look() const
{
    BoardLook look = look_();
    look.ButtonFace = palette().color(QPalette::Button);
    look.ButtonShadow = palette().color(QPalette::Dark);
    return look;
}

// The repaint that the move asks for shows the first frame, so a glide cut short by the next
// is not shown finished in between.
void BoardView::Glide(const Position& before, const Position& after)
{
    StopGlide();
    glides_ = GlidesBetween(before, after);
    if (glides_.empty())
        return;
    glideAfter_ = after;
    glideShown_ = QRegion();
    glide_.start();
}

void BoardView::FinishGlide()
{
    if (!glideAfter_)
        return;
    StopGlide();
    repaint();
}

void BoardView::StopGlide()
{
    glide_.stop();
    glideAfter_.reset();
    glides_.clear();
}

// Only where the gliding tiles were and now are is painted again: a few tiles' worth a frame.
void BoardView::UpdateGlide()
{
    if (!glideAfter_)
        return;
    const ShownBoard board = Shown();
    QRegion now;
    for (const TileGlide& glide : glides_)
        now += GlidingTileRect(board, glide, glide_.currentValue().toReal());
    update(now + glideShown_);
    glideShown_ = now;
}

void BoardView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const BoardLook look = Look();
    // Anything else that changed the board since the move ends the glide where it is.
    if (glideAfter_ && *glideAfter_ != session_.Current())
        StopGlide();
    const ShownBoard shown = Shown();
    if (!glideAfter_)
        return board_.Paint(painter, event->rect(), shown, picture_, look);
    // The cells the move changed stay empty under the gliding tiles.
    const Position base = WithGlidingCellsEmpty(*glideAfter_, glides_);
    const ShownBoard board{base, std::nullopt, shown.Width, shown.Height, shown.Cursor, shown.PixelRatio};
    for (const QRect& rect : event->region())
        board_.Paint(painter, rect, board, picture_, look);
    board_.PaintGliding(painter, board, picture_, glides_, glide_.currentValue().toReal());
}

// Every press counts, however quickly it follows the last: a double click arrives here too.
void BoardView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    FinishGlide();
    const QPoint at = event->position().toPoint();
    session_.PressPointer(CellAtPixel(at.x(), at.y(), size_.width(), size_.height(),
                                      session_.Current().N()));
}

// The keyboard's cell is focused only while the board has the focus. Told once the event loop
// runs again, after the toolkit's own word of the focus, and never while the window is being
// taken down, when the session may already be gone.
void BoardView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    QMetaObject::invokeMethod(this, &BoardView::TellScreenReaders, Qt::QueuedConnection);
}

void BoardView::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    QMetaObject::invokeMethod(this, &BoardView::TellScreenReaders, Qt::QueuedConnection);
}

void BoardView::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const std::optional<Direction> arrow = ArrowOf(event->key());
    const bool press = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return
                       || event->key() == Qt::Key_Enter;
    if (!plain || (!arrow && !press))
        return QWidget::keyPressEvent(event);
    FinishGlide();
    session_.PressKey(arrow);
}
