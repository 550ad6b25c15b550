// setup: installs Tilora from the package carried at the end of this program's own file.
#include "PayloadManifest.h"
#include "ProgramPath.h"
#include "SetupApp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return SetupApp(OwnProgramPath(), CompiledManifest()).Run();
}
