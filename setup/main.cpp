// setup: installs Tilora from the package carried at the end of this program's own file.
#include "PayloadManifest.h"
#include "PrivateCopy.h"
#include "ProgramPath.h"
#include "SetupApp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // Setup is often started from a download folder that other users may be able to write.
    const QString own = OwnProgramPath();
    if (const auto code = RunInPrivateFolderIfShared(own, QStringLiteral("setup"), argv))
        return *code;
    QApplication app(argc, argv);
    return SetupApp(own, CompiledManifest()).Run();
}
