#include "PuzzleApp.h"

#include "MainFrame.h"
#include "ResourceInit.h"
#include "TableFile.h"
#include "TiloraVersion.h"

PuzzleApp::PuzzleApp(int& argc, char** argv) : QApplication(argc, argv) {}

PuzzleApp::~PuzzleApp() = default;

bool PuzzleApp::InitInstance()
{
    setOrganizationName(QStringLiteral("Tilora"));
    setApplicationName(QStringLiteral("Tilora"));
    setApplicationVersion(QStringLiteral(TILORA_VERSION));
    // Lets the desktop match the window to the installed menu entry and its icon.
    setDesktopFileName(QStringLiteral(TILORA_APP_ID));
    InitTiloraResources();
    setWindowIcon(QIcon(QStringLiteral(":/ICON/111")));
    // The 4 x 4 slider's shortest hints need tables that take seconds to build: built once, kept.
    ShortestTables::UseStore(TableFileStore());
    frame_ = std::make_unique<MainFrame>();
    return true;
}

int main(int argc, char** argv)
{
    PuzzleApp app(argc, argv);
    if (!app.InitInstance())
        return 0;
    return app.exec();
}
