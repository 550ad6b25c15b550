#include "FrameFitting.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

namespace {

QRect AvailableArea(const QWidget& window)
{
    QScreen* shown = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return shown ? shown->availableGeometry() : QRect(0, 0, 800, 600);
}

} // namespace

void FixFrameToItsContents(QMainWindow& window)
{
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
}

FrameMeasures MeasureFrame(QMainWindow& window)
{
    FrameMeasures measures;
    measures.MenuHeight = window.menuBar()->sizeHint().height();
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    if (window.isVisible() && frame != client) {
        measures.DialogFrameHeight = client.left() - frame.left();
        measures.CaptionHeight = client.top() - frame.top() - measures.DialogFrameHeight;
    } else {
        measures.DialogFrameHeight = window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
        measures.CaptionHeight = window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    }
    return measures;
}

ScreenLimits CurrentScreenLimits(const QMainWindow& window, const FrameMeasures& measures,
                                 int toolbarAllowance)
{
    const QRect available = AvailableArea(window);
    return ComputeScreenLimits(available.width(), available.height(), measures.CaptionHeight,
                               measures.MenuHeight, toolbarAllowance);
}

void KeepWindowOnScreen(QMainWindow& window, const FrameMeasures& measures,
                        const ScreenLimits& limits)
{
    const QPoint origin = AvailableArea(window).topLeft();
    const QSize client = window.size();
    const QRect frame(window.frameGeometry().topLeft() - origin,
                      QSize(client.width() + 2 * measures.DialogFrameHeight,
                            client.height() + measures.CaptionHeight + 2 * measures.DialogFrameHeight));
    const QRect placed = PlaceWindow(frame, limits);
    if (placed.topLeft() != frame.topLeft())
        window.move(placed.topLeft() + origin);
}

QRect PlaceWindow(const QRect& r, const ScreenLimits& limits)
{
    QRect placed = r;
    const int right = placed.x() + placed.width();
    const int bottom = placed.y() + placed.height();
    if (right > limits.MaxWidth && placed.x() > 50)
        placed.moveLeft(50);
    if (bottom > limits.MaxHeight)
        placed.moveTop(5);
    return placed;
}

FrameFitter::FrameFitter(QMainWindow& window, int toolbarAllowance)
    : window_(window), toolbarAllowance_(toolbarAllowance), measures_(MeasureFrame(window))
{
}

QSize FrameFitter::BoardFor(const QSize& natural, int n, bool toolbarShown)
{
    measures_ = MeasureFrame(window_);
    limits_ = CurrentScreenLimits(window_, measures_, toolbarAllowance_);
    const BoardSize size = FitBoard(natural.width(), natural.height(), n, limits_,
                                    measures_.MenuHeight, toolbarShown, toolbarAllowance_);
    return QSize(size.Width, size.Height);
}

void FrameFitter::KeepOnScreen()
{
    window_.layout()->activate();
    KeepWindowOnScreen(window_, measures_, limits_);
}
