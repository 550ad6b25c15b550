#include "PageLayout.h"

#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace PageLayout {

namespace {

QRect InPixels(const DialogUnits& du, const QRect& units)
{
    return du.Rect(units.x(), units.y(), units.width(), units.height());
}

} // namespace

void SetUpPage(QDialog& page, const QString& caption, const DialogUnits& du, int width, int height)
{
    page.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    page.setWindowTitle(caption);
    page.setFixedSize(du.Size(width, height));
}

QPushButton* AddButton(QWidget& parent, const DialogUnits& du, const QString& text, const QRect& units)
{
    auto* button = new QPushButton(text, &parent);
    button->setGeometry(PageRect(parent, du, units));
    button->setAutoDefault(false);
    return button;
}

QLabel* AddText(QWidget& parent, const DialogUnits& du, const QString& text, const QRect& units)
{
    auto* label = new QLabel(text, &parent);
    label->setWordWrap(units.height() > 8);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QRect rect = PageRect(parent, du, units);
    // A one-line text keeps its whole width where the desktop's font runs wider than the template's.
    if (!label->wordWrap())
        rect.setSize(rect.size().expandedTo(label->sizeHint()));
    label->setGeometry(rect);
    return label;
}

QGroupBox* AddGroupBox(QDialog& page, const DialogUnits& du, const QString& title, const QRect& units)
{
    auto* box = new QGroupBox(title, &page);
    box->setGeometry(InPixels(du, units));
    box->lower();
    return box;
}

QRect PageRect(const QWidget& parent, const DialogUnits& du, const QRect& units)
{
    const QPoint origin = parent.isWindow() ? QPoint() : parent.mapTo(parent.window(), QPoint());
    return InPixels(du, units).translated(-origin);
}

void AddSetupPicture(QDialog& page, const DialogUnits& du, int x, int y)
{
    auto* picture = new QLabel(&page);
    picture->setObjectName(QStringLiteral("setupPicture"));
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(1);
    picture->setPixmap(QPixmap(QStringLiteral(":/BITMAP/109")));
    picture->setAccessibleName(QCoreApplication::translate("PageLayout", "Setup picture"));
    picture->setAccessibleDescription(QCoreApplication::translate(
        "PageLayout", "A computer, a disc and floppy disks, each showing tiles of a picture"));
    picture->move(du.X(x), du.Y(y));
    picture->adjustSize();
}

} // namespace PageLayout
