#include "SolutionWindow.h"

#include "OffscreenSurface.h"
#include "PictureSource.h"
#include "SolutionDisplaySize.h"
#include "ZipPictureArchive.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>

namespace {

// Room around the picture: the window is this much larger than the picture in each direction,
// and the frame keeps this distance from the window's edges.
constexpr int WindowAllowance = 100;
constexpr int FrameInset = 20;
// Where the picture starts inside the frame, clear of the frame's lines.
constexpr int PictureLeftInFrame = 3;
constexpr int PictureTopInFrame = 9;

const char* const BufferFailureText = "Couldnt create image buffer";

// Right and bottom edges as the frame arithmetic counts them: one past the last pixel.
int RightEdge(const QRect& r) { return r.x() + r.width(); }
int BottomEdge(const QRect& r) { return r.y() + r.height(); }

}  // namespace

const QSize SolutionWindow::TemplateSize(326, 223);
const QRect SolutionWindow::TemplateBox(11, 11, 305, 198);

SolutionWindow::SolutionWindow(QWidget* parent, const PictureSource& source, int naturalWidth, int naturalHeight)
    : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("Solution"));
    resize(TemplateSize);
    box_ = TemplateBox;
    frame_ = new QGroupBox(this);
    frame_->setObjectName(QStringLiteral("frame"));
    frame_->setGeometry(box_);
    connect(this, &QDialog::finished, this, &SolutionWindow::NotifyClosed);

    if (LoadPicture(source))
        FitToPicture(naturalWidth, naturalHeight);
}

bool SolutionWindow::LoadPicture(const PictureSource& source)
{
    // The built-in picture comes first: the game falls back to it when the archive or file it
    // chose cannot be read, and keeps that path, which would show something else here.
    if (source.BuiltIn) {
        picture_.LoadFromResource(QStringLiteral("BMP"), QStringLiteral("IDR_BMP2"));
        return true;
    }
    if (IsArchivePath(source.Path))
        return LoadArchivePicture(source);
    picture_.LoadFromFile(source.Path);
    return true;
}

bool SolutionWindow::LoadArchivePicture(const PictureSource& source)
{
    ZipPictureArchive archive;
    if (!archive.Open(source.Path))
        return false;
    if (archive.GetCount() < 1) {
        archive.Close();
        frame_->update();
        update();
        return false;
    }
    if (!archive.GoToPicture(source.ZipIndex))
        return false;
    // A picture that cannot be decoded still leaves the window sized for it, with no picture
    // shown; only a member too large to hold ends the start-up here.
    bool bufferFailed = false;
    archive.LoadCurrentPicture(picture_, [this, &bufferFailed](const QString& text) {
        bufferFailed = bufferFailed || text == QLatin1String(BufferFailureText);
        ShowMessage(text);
    });
    return !bufferFailed;
}

void SolutionWindow::ShowMessage(const QString& text)
{
    // The window itself is not on screen yet; the message belongs to the game's window.
    QWidget* owner = parentWidget() ? parentWidget() : this;
    QMessageBox message(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok, owner);
    message.exec();
}

void SolutionWindow::FitToPicture(int naturalWidth, int naturalHeight)
{
    const QSize display = SolutionDisplaySize(naturalWidth, naturalHeight);
    resize(display.width() + WindowAllowance, display.height() + WindowAllowance);
    // Qt measures the window without its title bar and borders, so the frame sits the same
    // distance from every edge of what the window shows.
    box_ = rect().adjusted(FrameInset, FrameInset, -FrameInset, -FrameInset);
    frame_->setGeometry(box_);
    update();
}

void SolutionWindow::paintEvent(QPaintEvent*)
{
    // With nothing decoded there is nothing to copy: the empty frame shows as it is.
    if (picture_.IsEmpty())
        return;
    QPainter target(this);
    // The surface always covers the whole window, so a partial repaint still puts the picture
    // where the frame is rather than where the repainted part begins.
    OffscreenSurface surface(target, rect());
    surface.SetMargins(box_.left() + PictureLeftInFrame, box_.top() + PictureTopInFrame,
                       width() - RightEdge(box_), height() - BottomEdge(box_));
    picture_.Draw(&surface.Painter(), 0, 0, box_.width() - PictureLeftInFrame, box_.height() - PictureTopInFrame,
                  0, 0, picture_.GetWidth(), picture_.GetHeight());
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
