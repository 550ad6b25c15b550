#include "BackgroundWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace {

const int GradientRows = 256;
const int TitleCellHeight = 35;

// The title font asks for a face no system has, so the font mapper picks one; its size is a
// character cell height, which Qt's pixel size (the em) only reaches after the internal leading.
QFont TitleFont()
{
    QFont font(QStringLiteral("myfont"));
    font.setWeight(QFont::DemiBold);
    font.setItalic(true);
    font.setStyleStrategy(QFont::PreferQuality);
    int pixels = TitleCellHeight;
    font.setPixelSize(pixels);
    while (pixels > 1 && QFontMetrics(font).height() > TitleCellHeight)
        font.setPixelSize(--pixels);
    return font;
}

} // namespace

BackgroundWindow::BackgroundWindow(const QString& title, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint),
      title_(title)
{
    setWindowTitle(tr("Corvanne Installer"));
    setCursor(Qt::ArrowCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect BackgroundWindow::NormalRect(int screenWidth)
{
    const int middle = screenWidth / 2;
    return QRect(QPoint(middle - 316, 50), QPoint(middle + 316 - 1, 500 - 1));
}

void BackgroundWindow::ShowMaximized()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(NormalRect(screen->geometry().width()));
    showMaximized();
    repaint();
}

void BackgroundWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int y = 0; y < GradientRows && y < height(); ++y)
        painter.fillRect(0, y, width(), 1, QColor(0, 0, GradientRows - 1 - y));
    if (height() > GradientRows)
        painter.fillRect(0, GradientRows, width(), height() - GradientRows, Qt::black);

    painter.setFont(TitleFont());
    const int ascent = painter.fontMetrics().ascent();
    painter.setPen(Qt::black);
    painter.drawText(13, 13 + ascent, title_);
    painter.setPen(Qt::white);
    painter.drawText(10, 10 + ascent, title_);
}

void BackgroundWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    QCoreApplication::exit(0);
}
