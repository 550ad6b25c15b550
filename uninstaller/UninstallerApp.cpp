// The uninstaller: started from the menu it relocates to the temporary folder (phase A); the copy,
// given the installed uninstaller's path, asks and removes (phase B).
#include "BackgroundWindow.h"
#include "ProgramPath.h"
#include "Shell.h"
#include "UninstallDialog.h"
#include "Translations.h"
#include "UninstallPhases.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

namespace {

void RunPhaseB(const QString& installedUninstaller, const QString& ownPath, QWidget* owner)
{
    UninstallPhases::Questions questions;
    questions.confirm = [owner] { return UninstallDialog(owner).exec() == QDialog::Accepted; };
    questions.tell = [owner](const QString& text) {
        QMessageBox::warning(owner, QApplication::applicationName(), text);
    };
    UninstallPhases::RemoveInstallation(installedUninstaller, ownPath, questions);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Uninstaller"));
    app.setWindowIcon(QIcon(QStringLiteral(":/ICON/102")));
    InstallTranslations(app);
    BackgroundWindow window(QCoreApplication::translate("Uninstaller", "Tilora Uninstall"));
    window.ShowMaximized();

    const QStringList arguments = app.arguments().mid(1);
    const QString ownPath = OwnProgramPath();
    if (arguments.size() == 1) {
        RunPhaseB(arguments.first(), ownPath, &window);
    } else if (arguments.isEmpty()) {
        const auto start = [](const QString& program, const QStringList& programArguments) {
            return Shell::StartProgram(program, programArguments, UninstallPhases::TemporaryFolder());
        };
        // Where the copy cannot run, this process does its work: a running program's file can be removed.
        if (!UninstallPhases::Relocate(ownPath, start))
            RunPhaseB(ownPath, ownPath, &window);
    }
    return 0;
}
