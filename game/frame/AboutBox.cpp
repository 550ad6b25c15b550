#include "AboutBox.h"

#include "HyperlinkLabel.h"
#include "ResourceInit.h"
#include "TiloraVersion.h"

#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

const char* const AboutBox::Caption = "About Tilora";
const char* const AboutBox::ProductLine = "Tilora " TILORA_VERSION " (2026)";
const char* const AboutBox::CreditLine = "A picture puzzle by Corvanne";
const char* const AboutBox::WebSite = "www.tilorapuzzle.com";

namespace {

// The About picture is 197 x 198 pixels; its frame keeps that room even if it fails to load.
QLabel* MakePicture(QWidget* parent)
{
    InitTiloraResources();
    auto* picture = new QLabel(parent);
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setAlignment(Qt::AlignCenter);
    const QPixmap pixmap(QStringLiteral(":/BITMAP/116"));
    picture->setPixmap(pixmap);
    picture->setAccessibleName(AboutBox::tr("Tilora logo"));
    picture->setAccessibleDescription(
        AboutBox::tr("Four tiles of a mountain picture at sunset, one of them out of place, above the name Tilora"));
    const QSize inside = pixmap.isNull() ? QSize(197, 198) : pixmap.size();
    const int frame = 2 * picture->frameWidth();
    picture->setFixedSize(inside + QSize(frame, frame));
    return picture;
}

QGroupBox* MakeCredits(HyperlinkLabel* link, QWidget* parent)
{
    auto* box = new QGroupBox(parent);
    auto* text = new QLabel(QStringLiteral("%1\n\n%2").arg(QLatin1String(AboutBox::ProductLine),
                                                          QLatin1String(AboutBox::CreditLine)),
                            box);
    text->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(text);
    layout->addWidget(link, 0, Qt::AlignHCenter);
    return box;
}

} // namespace

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent)
    , link_(new HyperlinkLabel(QString::fromLatin1(WebSite), this))
{
    setWindowTitle(QString::fromLatin1(Caption));
    setObjectName(QStringLiteral("aboutBox"));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakePicture(this), 0, Qt::AlignHCenter);
    layout->addWidget(MakeCredits(link_, this));
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Return closes the box at once; the link is a Tab away.
    ok->setFocus();
}
