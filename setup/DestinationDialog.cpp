#include "DestinationDialog.h"

#include "DesktopEntry.h"
#include "Destination.h"
#include "FolderTrust.h"
#include "PageLayout.h"
#include "SetupMessages.h"

#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

using namespace PageLayout;

DestinationDialog::DestinationDialog(QWidget* owner, FolderPicker picker)
    : QDialog(owner), picker_(picker ? std::move(picker) : PickWithFileDialog)
{
    const DialogUnits du(*this);
    SetUpPage(*this, QStringLiteral("Choose Destination Folder"), du, 367, 210);
    AddSetupPicture(*this, du, 11, 12);
    AddText(*this, du, QStringLiteral("Setup will install Tilora into the folder below."), QRect(116, 14, 154, 8));
    AddText(*this, du, QStringLiteral("To install to this folder choose Next."), QRect(116, 32, 113, 8));
    AddText(*this, du,
            QStringLiteral("To install to a different folder either click Browse and select your desired folder "
                           "or type in its location in the box."),
            QRect(116, 50, 241, 20));
    QGroupBox* box = AddGroupBox(*this, du, QStringLiteral("&Destination Folder"), QRect(117, 119, 235, 37));

    edit_ = new QLineEdit(box);
    edit_->setObjectName(QStringLiteral("folderEdit"));
    edit_->setGeometry(PageRect(*box, du, QRect(123, 133, 185, 14)));
    edit_->setText(QDir::toNativeSeparators(Destination::DefaultFolder()));
    QPushButton* browse = AddButton(*box, du, QStringLiteral("Browse"), QRect(311, 133, 35, 14));
    browse->setObjectName(QStringLiteral("browseButton"));
    QPushButton* next = AddButton(*this, du, QStringLiteral("&Next >"), QRect(249, 191, 50, 14));
    next->setObjectName(QStringLiteral("nextButton"));
    next->setDefault(true);
    QPushButton* cancel = AddButton(*this, du, QStringLiteral("Cancel"), QRect(309, 191, 50, 14));
    cancel->setObjectName(QStringLiteral("cancelButton"));

    connect(browse, &QPushButton::clicked, this, &DestinationDialog::Browse);
    connect(next, &QPushButton::clicked, this, &DestinationDialog::Next);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    edit_->setFocus();
}

QString DestinationDialog::PickWithFileDialog(QWidget* owner)
{
    return QFileDialog::getExistingDirectory(owner, QStringLiteral("Choose folder"), QDir::homePath(),
                                             QFileDialog::ShowDirsOnly);
}

void DestinationDialog::Browse()
{
    const QString picked = picker_(this);
    if (picked.isEmpty())
        return;
    if (Destination::IsFolder(picked))
        edit_->setText(QDir::toNativeSeparators(picked));
    else
        SetupMessages::ShowPlain(this, QString::fromLatin1(SetupMessages::InvalidFolder));
}

void DestinationDialog::Next()
{
    const QString typed = edit_->text();
    if (typed.isEmpty()) {
        SetupMessages::ShowPlain(this, QString::fromLatin1(SetupMessages::ChooseAFolder));
        return;
    }
    const QString folder = Destination::Resolve(typed);
    if (!DesktopEntries::CanCarry(folder)) {
        SetupMessages::ShowPlain(this, SetupMessages::CannotCarry(folder));
        return;
    }
    // The menu entries will run what is in the folder: nobody else may be able to change it.
    if (RefusedAsForeign(folder))
        return;
    if (!Destination::IsFolder(folder)) {
        if (!SetupMessages::Ask(this, QStringLiteral("Create Folder"), QStringLiteral("Folder does not exist, create it?")))
            return;
        if (!QDir().mkpath(folder) || !Destination::IsFolder(folder)) {
            SetupMessages::ShowPlain(this, SetupMessages::CannotCreate(folder));
            return;
        }
        if (RefusedAsForeign(folder))  // made meanwhile by someone else
            return;
    }
    folder_ = folder;
    accept();
}

bool DestinationDialog::RefusedAsForeign(const QString& folder)
{
    const QString foreign = FolderTrust::FirstForeignFolder(folder);
    if (!foreign.isEmpty())
        SetupMessages::ShowPlain(this, SetupMessages::NotYourOwn(foreign));
    return !foreign.isEmpty();
}
