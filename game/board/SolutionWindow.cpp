#include "SolutionWindow.h"

#include "OffscreenSurface.h"
#include "Picture.h"
#include "SolutionDisplaySize.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPainter>

namespace {

// Room around the picture: the window is this much larger than the picture in each direction,
// and the frame keeps this distance from the window's edges.
constexpr int WindowAllowance = 100;
constexpr int FrameInset = 20;
// Where the picture starts inside the frame, clear of the frame's lines.
constexpr int PictureLeftInFrame = 3;
constexpr int PictureTopInFrame = 9;

// Right and bottom edges as the frame arithmetic counts them: one past the last pixel.
int RightEdge(const QRect& r) { return r.x() + r.width(); }
int BottomEdge(const QRect& r) { return r.y() + r.height(); }

}  // namespace

const QSize SolutionWindow::TemplateSize(326, 223);
const QRect SolutionWindow::TemplateBox(11, 11, 305, 198);

SolutionWindow::SolutionWindow(QWidget* parent, const Picture& picture, int naturalWidth, int naturalHeight)
    : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("Solution"));
    resize(TemplateSize);
    box_ = TemplateBox;
    frame_ = new QGroupBox(this);
    frame_->setObjectName(QStringLiteral("frame"));
    // Read when the window opens: it has nothing else to say.
    setAccessibleDescription(tr("The whole picture as it looks with every tile in place"));
    frame_->setAccessibleName(tr("Solved picture"));
    frame_->setGeometry(box_);
    connect(this, &QDialog::finished, this, &SolutionWindow::NotifyClosed);

    if (!picture.IsEmpty())
        FitToPicture(picture, naturalWidth, naturalHeight);
}

void SolutionWindow::FitToPicture(const Picture& picture, int naturalWidth, int naturalHeight)
{
    const QSize display = SolutionDisplaySize(naturalWidth, naturalHeight);
    resize(display.width() + WindowAllowance, display.height() + WindowAllowance);
    // Qt measures the window without its title bar and borders, so the frame sits the same
    // distance from every edge of what the window shows.
    box_ = rect().adjusted(FrameInset, FrameInset, -FrameInset, -FrameInset);
    frame_->setGeometry(box_);
    // Scaled once here rather than at every paint, into the screen's device pixels so that a
    // large picture stays sharp.
    const QSize inFrame(box_.width() - PictureLeftInFrame, box_.height() - PictureTopInFrame);
    if (inFrame.width() > 0 && inFrame.height() > 0) {
        const qreal ratio = devicePixelRatio();
        shown_ = QImage((QSizeF(inFrame) * ratio).toSize(), QImage::Format_RGB32);
        shown_.setDevicePixelRatio(ratio);
        shown_.fill(Qt::black);
        QPainter painter(&shown_);
        picture.Draw(&painter, 0, 0, inFrame.width(), inFrame.height(), 0, 0, picture.GetWidth(),
                     picture.GetHeight());
    }
    update();
}

void SolutionWindow::paintEvent(QPaintEvent*)
{
    // With nothing decoded there is nothing to copy: the empty frame shows as it is.
    if (shown_.isNull())
        return;
    QPainter target(this);
    // The surface always covers the whole window, so a partial repaint still puts the picture
    // where the frame is rather than where the repainted part begins.
    OffscreenSurface surface(target, rect());
    surface.SetMargins(box_.left() + PictureLeftInFrame, box_.top() + PictureTopInFrame,
                       width() - RightEdge(box_), height() - BottomEdge(box_));
    surface.Painter().drawImage(0, 0, shown_);
    surface.End();
}

void SolutionWindow::keyPressEvent(QKeyEvent* event)
{
    // With no buttons to press, Enter closes the window just as Esc does.
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            accept();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void SolutionWindow::closeEvent(QCloseEvent* event)
{
    QDialog::closeEvent(event);
    // A window closed before it was ever shown is not rejected by the dialog, so it would not
    // finish; tell the owner all the same.
    if (event->isAccepted())
        NotifyClosed();
}

void SolutionWindow::NotifyClosed()
{
    if (closedNotified_)
        return;
    closedNotified_ = true;
    emit closed();
}
