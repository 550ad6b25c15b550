#include "FrameFitting.h"

#include "PuzzleSetup.h"

#include <QGuiApplication>
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
