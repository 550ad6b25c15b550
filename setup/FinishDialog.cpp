#include "FinishDialog.h"

#include "PageLayout.h"

#include <QCheckBox>
#include <QPushButton>

using namespace PageLayout;

namespace {

QCheckBox* AddCheckBox(QDialog& page, const DialogUnits& du, const char* objectName, const QString& text,
                       const QRect& units)
{
    auto* box = new QCheckBox(text, &page);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setChecked(true);
    QRect rect = du.Rect(units.x(), units.y(), units.width(), units.height());
    box->setGeometry(QRect(rect.topLeft(), rect.size().expandedTo(box->sizeHint())));
    return box;
}

} // namespace

FinishDialog::FinishDialog(QWidget* owner) : QDialog(owner)
{
    const DialogUnits du(*this);
    SetUpPage(*this, tr("Setup complete!"), du, 367, 210);
    AddSetupPicture(*this, du, 11, 12);
    AddText(*this, du, tr("Setup has finished."), QRect(116, 14, 61, 8));
    programGroup_ = AddCheckBox(*this, du, "check1004", tr("Create program group in the Start menu."),
                                QRect(159, 49, 141, 10));
    desktopShortcut_ = AddCheckBox(*this, du, "check1005", tr("Create shortcut on the desktop."),
                                   QRect(159, 82, 115, 10));
    runProgram_ = AddCheckBox(*this, du, "check1006", tr("Run the program now."), QRect(159, 115, 86, 10));
    QPushButton* finish = AddButton(*this, du, tr("&Finish"), QRect(249, 191, 50, 14));
    finish->setObjectName(QStringLiteral("finishButton"));
    finish->setDefault(true);
    connect(finish, &QPushButton::clicked, this, &QDialog::accept);
    finish->setFocus();
}

FinishChoices FinishDialog::Choices() const
{
    return {programGroup_->isChecked(), desktopShortcut_->isChecked(), runProgram_->isChecked()};
}
