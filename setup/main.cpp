// setup: installs Tilora from the package carried at the end of this program's own file.
#include "PayloadManifest.h"
#include "ProgramPath.h"
#include "SetupApp.h"
#include "Translations.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallTranslations(app);
    return SetupApp(OwnProgramPath(), CompiledManifest()).Run();
}
