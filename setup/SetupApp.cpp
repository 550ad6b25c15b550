#include "SetupApp.h"

#include "InstallPackage.h"
#include "SetupFrame.h"
#include "SetupMessages.h"

SetupApp::SetupApp(QString packagePath, const PayloadManifest& manifest)
    : packagePath_(std::move(packagePath)), manifest_(manifest)
{
}

int SetupApp::Run()
{
    // The same open file is checked and then unpacked, so what is installed is what was checked.
    InstallPackage package(packagePath_);
    if (!PackageMatchesManifest(package, manifest_)) {
        SetupMessages::ShowPlain(nullptr, SetupMessages::Text(SetupMessages::Damaged));
        return 1;
    }
    SetupFrame frame(package);
    return frame.RunWizard();
}
