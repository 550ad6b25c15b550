#pragma once

#include "BackgroundWindow.h"

class InstallPackage;

// The background window of setup, which runs the wizard in front of itself: Welcome, the
// destination, unpacking, and the last page with its choices.
class SetupFrame : public BackgroundWindow {
    Q_OBJECT
public:
    explicit SetupFrame(InstallPackage& package);

    // Shows the window and runs the wizard to its end. The exit code of setup: 0 when it
    // finished or the user cancelled, 1 when the files could not all be installed.
    int RunWizard();

private:
    bool Welcome();
    bool ChooseDestination(QString* folder);
    bool Unpack(const QString& folder);
    void Finish(const QString& folder);

    InstallPackage& package_;
};
