#include "HyperlinkLabel.h"

#include "Shell.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {

// What the desktop's opener reports for a failure it does not explain: no program takes
// such addresses.
constexpr int NoAssociation = 31;
constexpr int OpenedFine = 42;

int OpenWithDesktop(const QString& address)
{
    return Shell::OpenAddress(address) ? OpenedFine : NoAssociation;
}

void SystemBeep()
{
    QApplication::beep();
}

// What a screen reader sees of the label: a link named by its text, described by its address,
// whose press action opens it.
class HyperlinkAccessible : public QAccessibleWidget {
public:
    explicit HyperlinkAccessible(HyperlinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override
    {
        const auto* label = static_cast<const HyperlinkLabel*>(widget());
        if (kind == QAccessible::Name && label->accessibleName().isEmpty())
            return label->text();
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            static_cast<HyperlinkLabel*>(widget())->Open();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* HyperlinkAccessibleFactory(const QString&, QObject* object)
{
    if (auto* label = qobject_cast<HyperlinkLabel*>(object))
        return new HyperlinkAccessible(label);
    return nullptr;
}

} // namespace

const QColor HyperlinkLabel::LinkColour(0, 0, 238);
const QColor HyperlinkLabel::VisitedColour(85, 26, 139);
const QColor HyperlinkLabel::HoverColour(255, 0, 0);

HyperlinkLabel::HyperlinkLabel(QWidget* parent)
    : HyperlinkLabel(QString(), parent)
{
}

HyperlinkLabel::HyperlinkLabel(const QString& address, QWidget* parent)
    : QLabel(parent)
    , opener_(OpenWithDesktop)
    , beep_(SystemBeep)
{
    static const bool accessibleAsLink = (QAccessible::installFactory(HyperlinkAccessibleFactory), true);
    Q_UNUSED(accessibleAsLink);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setTextFormat(Qt::PlainText);
    // Only the text itself is the link, so the label is exactly as large as its text.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setMouseTracking(true);
    SetAddress(address);
    RefreshLook();
}

void HyperlinkLabel::SetAddress(const QString& address)
{
    address_ = address;
    if (text().isEmpty())
        setText(address);
    setToolTip(Address());
    FitToText();
}

QString HyperlinkLabel::Address() const
{
    return address_.isEmpty() ? text() : address_;
}

QColor HyperlinkLabel::CurrentColour() const
{
    if (over_)
        return HoverColour;
    return visited_ ? VisitedColour : LinkColour;
}

void HyperlinkLabel::Open()
{
    SetOver(false);
    const int result = opener_(Address());
    if (result > OpenFailedLimit) {
        visited_ = true;
        RefreshLook();
    } else {
        ReportFailure(result);
    }
}

QString HyperlinkLabel::ErrorText(int code)
{
    switch (code) {
    case 0: return QStringLiteral("The operating system is out\nof memory or resources.");
    case 2: return QStringLiteral("The specified file was not found.");
    case 3: return QStringLiteral("The specified path was not found.");
    case 5: return QStringLiteral("The operating system denied\naccess to the specified file.");
    case 8: return QStringLiteral("There was not enough memory to complete the operation.");
    case 11: return QStringLiteral("The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).");
    case 26: return QStringLiteral("A sharing violation occurred. ");
    case 27: return QStringLiteral("The filename association is\nincomplete or invalid.");
    case 28: return QStringLiteral("The DDE transaction could not\nbe completed because the request timed out.");
    case 29: return QStringLiteral("The DDE transaction failed.");
    case 30: return QStringLiteral("The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.");
    case 31: return QStringLiteral("There is no application associated\nwith the given filename extension.");
    case 32: return QStringLiteral("The specified dynamic-link library was not found.");
    default: return QStringLiteral("Unknown Error (%1) occurred.").arg(code);
    }
}

QString HyperlinkLabel::FailureText(int code)
{
    return QStringLiteral("Unable to open hyperlink:\n\n") + ErrorText(code);
}

void HyperlinkLabel::enterEvent(QEnterEvent* event)
{
    SetOver(true);
    QLabel::enterEvent(event);
}

void HyperlinkLabel::leaveEvent(QEvent* event)
{
    SetOver(false);
    QLabel::leaveEvent(event);
}

void HyperlinkLabel::mouseMoveEvent(QMouseEvent* event)
{
    // A press that began elsewhere can bring the pointer in without an enter event.
    SetOver(rect().contains(event->position().toPoint()));
    QLabel::mouseMoveEvent(event);
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        event->accept();
        Open();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void HyperlinkLabel::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int key = event->key();
    if (plain && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        event->accept();
        Open();
        return;
    }
    QLabel::keyPressEvent(event);
}

void HyperlinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

void HyperlinkLabel::SetOver(bool over)
{
    if (over_ == over)
        return;
    over_ = over;
    RefreshLook();
}

void HyperlinkLabel::RefreshLook()
{
    QFont underlinable = font();
    underlinable.setUnderline(over_);
    setFont(underlinable);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, CurrentColour());
    setPalette(colours);
    update();
}

void HyperlinkLabel::FitToText()
{
    // The underlined font has the normal font's metrics, so one measure serves both looks.
    adjustSize();
    updateGeometry();
}

void HyperlinkLabel::ReportFailure(int code)
{
    beep_();
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(),
                    FailureText(code), QMessageBox::Ok, window());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
