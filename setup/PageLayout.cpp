#include "PageLayout.h"

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

QPushButton* AddButton(QDialog& page, const DialogUnits& du, const QString& text, const QRect& units)
{
    auto* button = new QPushButton(text, &page);
    button->setGeometry(InPixels(du, units));
    button->setAutoDefault(false);
    return button;
}

QLabel* AddText(QWidget& parent, const DialogUnits& du, const QString& text, const QRect& units)
{
    auto* label = new QLabel(text, &parent);
    label->setWordWrap(units.height() > 8);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QRect rect = InPixels(du, units);
    // A one-line text keeps its whole width where the desktop's font runs wider than the template's.
    if (!label->wordWrap())
        rect.setSize(rect.size().expandedTo(label->sizeHint()));
    label->setGeometry(rect);
    return label;
}

void AddGroupBox(QDialog& page, const DialogUnits& du, const QString& title, const QRect& units)
{
    auto* box = new QGroupBox(title, &page);
    box->setGeometry(InPixels(du, units));
    box->lower();
}

void AddSetupPicture(QDialog& page, const DialogUnits& du, int x, int y)
{
    auto* picture = new QLabel(&page);
    picture->setObjectName(QStringLiteral("setupPicture"));
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(1);
    picture->setPixmap(QPixmap(QStringLiteral(":/BITMAP/109")));
    picture->move(du.X(x), du.Y(y));
    picture->adjustSize();
}

} // namespace PageLayout
