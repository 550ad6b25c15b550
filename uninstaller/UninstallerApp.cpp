// The uninstaller: started from the menu it relocates to the temporary folder (phase A); the copy,
// given the installed uninstaller's path, asks and removes (phase B).
#include "BackgroundWindow.h"
#include "ProgramPath.h"
#include "Shell.h"
#include "UninstallDialog.h"
#include "UninstallPhases.h"

#include <QApplication>
#include <QFileInfo>
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
    const QString ownPath = OwnProgramPath();
    // Phase A moves out before the toolkit starts, which reads plugins from the program's folder:
    // the copy runs from a folder nobody else can have put anything into.
    if (argc == 1) {
        const auto start = [](const QString& program, const QStringList& programArguments) {
            return Shell::StartProgram(program, programArguments, QFileInfo(program).path());
        };
        if (UninstallPhases::Relocate(ownPath, start))
            return 0;
    }
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Uninstaller"));
    app.setWindowIcon(QIcon(QStringLiteral(":/ICON/102")));
    BackgroundWindow window(QStringLiteral("Tilora Uninstall"));
    window.ShowMaximized();

    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() == 1)
        RunPhaseB(arguments.first(), ownPath, &window);
    else if (arguments.isEmpty())  // the copy could not run: a running program's file can be removed
        RunPhaseB(ownPath, ownPath, &window);
    return 0;
}
