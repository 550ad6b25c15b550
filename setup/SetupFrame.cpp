#include "SetupFrame.h"

#include "DestinationDialog.h"
#include "FinishDialog.h"
#include "InstallPackage.h"
#include "SetupMessages.h"
#include "WelcomePage.h"

#include <QIcon>

SetupFrame::SetupFrame(InstallPackage& package)
    : BackgroundWindow(tr("Tilora Setup")), package_(package)
{
    setWindowIcon(QIcon(QStringLiteral(":/ICON/102")));
}

int SetupFrame::RunWizard()
{
    ShowMaximized();
    QString folder;
    if (!Welcome() || !ChooseDestination(&folder))
        return 0;
    if (!package_.BuildDirectory()) {
        SetupMessages::ShowPlain(this, SetupMessages::Text(SetupMessages::Damaged));
        return 1;
    }
    if (!Unpack(folder)) {
        // A broken install gets no menu entries and is not started.
        SetupMessages::ShowPlain(this, SetupMessages::IncompleteInstall(folder));
        return 1;
    }
    Finish(folder);
    return 0;
}

bool SetupFrame::Welcome()
{
    for (;;) {
        if (MakeWelcomePage(this)->exec() == QDialog::Accepted)
            return true;
        if (SetupMessages::ConfirmCancel(this))
            return false;
    }
}

bool SetupFrame::ChooseDestination(QString* folder)
{
    for (;;) {
        // A fresh page each time, so that it offers the default folder again.
        DestinationDialog page(this);
        if (page.exec() == QDialog::Accepted) {
            *folder = page.Folder();
            return true;
        }
        if (SetupMessages::ConfirmCancel(this))
            return false;
    }
}

bool SetupFrame::Unpack(const QString& folder)
{
    bool allWritten = true;
    for (int index = 0; index < package_.EntryCount(); ++index) {
        const QString name = package_.Entry(index).name;
        if (package_.ExtractFile(name, folder))
            continue;
        if (!package_.FindEntry(name))
            SetupMessages::ShowCannotFind(name);
        SetupMessages::ShowPlain(this, SetupMessages::Text(SetupMessages::ErrorUnpacking));
        allWritten = false;
    }
    return allWritten;
}

void SetupFrame::Finish(const QString& folder)
{
    FinishDialog page(this);
    if (page.exec() == QDialog::Accepted)
        FinishInstall(folder, page.Choices(), ShortcutFolders::ForThisUser());
}
