#include "WelcomePage.h"

#include "PageLayout.h"

#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>

using namespace PageLayout;

std::unique_ptr<QDialog> MakeWelcomePage(QWidget* owner)
{
    auto page = std::make_unique<QDialog>(owner);
    const DialogUnits du(*page);
    const auto translated = [](const char* text) { return QCoreApplication::translate("WelcomePage", text); };
    SetUpPage(*page, translated(QT_TRANSLATE_NOOP("WelcomePage", "Welcome!")), du, 217, 138);
    AddGroupBox(*page, du, QString(), QRect(6, 7, 203, 104));
    AddText(*page, du, translated(QT_TRANSLATE_NOOP("WelcomePage", "This program will install Tilora on your computer.")),
            QRect(12, 21, 186, 8));
    AddText(*page, du,
            translated(QT_TRANSLATE_NOOP("WelcomePage", "It is strongly recommended that you exit all Windows programs "
                                                "before running this Setup.")),
            QRect(12, 42, 189, 24));
    AddText(*page, du, translated(QT_TRANSLATE_NOOP("WelcomePage", "Click Next to continue.")), QRect(12, 73, 72, 8));
    QPushButton* next = AddButton(*page, du, translated(QT_TRANSLATE_NOOP("WelcomePage", "&Next >")), QRect(78, 119, 50, 14));
    QPushButton* cancel = AddButton(*page, du, translated(QT_TRANSLATE_NOOP("WelcomePage", "Cancel")), QRect(129, 119, 50, 14));
    next->setDefault(true);
    next->setObjectName(QStringLiteral("nextButton"));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    QObject::connect(next, &QPushButton::clicked, page.get(), &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, page.get(), &QDialog::reject);
    next->setFocus();
    return page;
}
